// The seam carried out with the Win32 calls (ANSI entry points).
#pragma once

#include "platform/platform.h"

namespace keystrip::win32 {

class Win32Keyboard final : public KeyboardService {
public:
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) override;
    std::uint16_t VirtualKeyOfChar(unsigned char ch) override;
    unsigned char AnsiToOem(unsigned char ch) override;
    std::uint32_t ScanCodeOfOemChar(unsigned char oem) override;
    std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey) override;
};

class Win32System final : public SystemService {
public:
    void Pause(std::uint32_t milliseconds) override;
    bool OpenClipboard() override;
    void EmptyClipboard() override;
    void CloseClipboard() override;
    bool LaunchCommand(const std::string& commandLine) override;
    void BeepExclamation() override;
};

class Win32Windows final : public WindowService {
public:
    void EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) override;
    bool IsWindow(WindowHandle window) override;
    int TitleLength(WindowHandle window) override;
    std::string Title(WindowHandle window, int maxLength) override;
    void Activate(WindowHandle window) override;
    bool ActivateRunningInstance(const std::string& windowClass, const std::string& title) override;
    WindowHandle FindWindow(const std::string& windowClass, const std::string& title) override;
    void RequestClose(WindowHandle window) override;
    std::vector<LeadByteRange> LeadByteRanges() override;
};

class Win32Files final : public FileService {
public:
    PathStyle Style() override;
    std::string ProgramPath() override;
    std::string SystemConfigDirectory() override;
    bool FileExists(const std::string& path) override;
    std::string ReadProfileString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, const std::string& path) override;
    bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value,
                            const std::string& path) override;
};

// Message boxes are owned by the application window.
class Win32Dialogs final : public DialogService {
public:
    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    void ShowException(const std::string& caption, const std::string& message) override;
};

}  // namespace keystrip::win32
