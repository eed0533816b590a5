// A platform held in memory that records every call with an effect, one line per
// call, in the keystrip-check keys format ("sleep 0", "down 0x10 0x2a", ...).
// Key lookups answer from the reference layout; windows, files and screen values
// are plain data that a test sets up. Lookups are not recorded.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace keystrip::recording {

struct RecordedWindow {
    WindowHandle handle = 0;
    std::string title;
    std::string windowClass;
    bool visible = true;
};

class RecordingPlatform final : public KeyboardService,
                                public SystemService,
                                public WindowService,
                                public FileService,
                                public DialogService {
public:
    RecordingPlatform();

    // The services of this object, ready for InstallPlatform.
    Platform Services();

    // Every recorded line, each ending in "\n".
    const std::string& Trace() const { return trace_; }
    void ClearTrace() { trace_.clear(); }
    // Adds a line of the test's own to the trace (for markers between steps).
    void Record(const std::string& line);

    // Setup.
    bool clipboardBusy = false;
    // Windows, front to back. Handles must be non-zero and unique.
    std::vector<RecordedWindow> windows;
    // Lead-byte ranges reported for the code page; empty models a single-byte one.
    std::vector<LeadByteRange> leadByteRanges;
    // Models the Japanese code page 932 (lead bytes 0x81-0x9f and 0xe0-0xfc).
    void UseCodePage932();

    PathStyle pathStyle = PathStyle::Windows;
    std::string programPath = "C:\\Programs\\Keystrip\\keystrip.exe";
    std::string systemConfigDirectory = "C:\\WINDOWS";
    // Files by path, exactly as the core spells the path.
    std::map<std::string, std::string> files;
    std::set<std::string> directories;
    // Files that refuse writes.
    std::set<std::string> readOnlyFiles;

    // KeyboardService
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) override;
    std::uint16_t VirtualKeyOfChar(unsigned char ch) override;
    unsigned char AnsiToOem(unsigned char ch) override;
    std::uint32_t ScanCodeOfOemChar(unsigned char oem) override;
    std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey) override;

    // SystemService
    void Pause(std::uint32_t milliseconds) override;
    bool OpenClipboard() override;
    void EmptyClipboard() override;
    void CloseClipboard() override;
    bool LaunchCommand(const std::string& commandLine) override;
    void BeepExclamation() override;

    // WindowService
    void EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) override;
    bool IsWindow(WindowHandle window) override;
    int TitleLength(WindowHandle window) override;
    std::string Title(WindowHandle window, int maxLength) override;
    void Activate(WindowHandle window) override;
    bool ActivateRunningInstance(const std::string& windowClass, const std::string& title) override;
    WindowHandle FindWindow(const std::string& windowClass, const std::string& title) override;
    void RequestClose(WindowHandle window) override;
    std::vector<LeadByteRange> LeadByteRanges() override;

    // FileService
    PathStyle Style() override;
    std::string ProgramPath() override;
    std::string SystemConfigDirectory() override;
    bool FileExists(const std::string& path) override;
    std::string ReadProfileString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, const std::string& path) override;
    bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value,
                            const std::string& path) override;

    // DialogService
    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    void ShowException(const std::string& caption, const std::string& message) override;

private:
    const RecordedWindow* FindRecorded(WindowHandle window) const;

    std::string trace_;
    std::uint16_t charKeys_[256];
    std::uint32_t oemScanCodes_[256];
    std::uint32_t virtualKeyScanCodes_[256];
};

// The line format of a key event: "down 0x10 0x2a" / "up 0x10 0x2a".
std::string KeyEventLine(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed);

}  // namespace keystrip::recording
