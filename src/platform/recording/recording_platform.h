// A platform held in memory that records every call with an effect, one line per
// call, in the keystrip-check keys format ("sleep 0", "down 0x10 0x2a", ...).
// Key lookups answer from the reference layout; windows, files and screen values
// are plain data that a test sets up. Lookups are not recorded.
#pragma once

#include <deque>
#include <functional>
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

// A button on the recorded bar.
struct RecordedButton {
    std::string caption;
    BarFont font;
    std::string hint;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The recorded bar's form while it exists.
struct RecordedBar {
    bool exists = false;
    std::string caption;
    bool showHints = false;
    bool stayOnTop = true;
    bool taskbarEntry = true;
    bool visible = false;
    WindowPlacement placement;
    std::map<int, RecordedButton> buttons;  // by tag
};

// One thing the user does to the bar while its message loop runs.
struct BarInput {
    enum class Kind { Move, Size, Click, Close, Call };
    Kind kind = Kind::Close;
    int a = 0;  // left, width or tag
    int b = 0;  // top or height
    std::function<void()> call;
};

// The handle under which the recorded bar is listed among the top-level windows.
constexpr WindowHandle kRecordedBarHandle = 0xba40;

class RecordingPlatform final : public KeyboardService,
                                public SystemService,
                                public WindowService,
                                public FileService,
                                public DialogService,
                                public BarWindowService {
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

    // The bar. Captions measure size points wide per byte and 2 * size high.
    PixelSize screenSize{1024, 768};
    PixelSize sizingFrame{4, 4};
    int pixelsPerInch = 96;
    bool applicationMinimized = false;
    bool measureFails = false;
    std::string applicationTitle;
    RecordedBar bar;
    // What the user does once the bar is shown, in order; when nothing is left
    // the user closes the bar. Each input is recorded as a "user ..." line.
    std::deque<BarInput> barInputs;
    void UserMovesBar(int left, int top);
    void UserSizesBar(int width, int height);
    void UserClicks(int tag);
    void UserClosesBar();
    // Runs the test's own code at that point of the message loop, unrecorded.
    void UserDoes(std::function<void()> call);

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

    // BarWindowService
    void RunApplication(BarEvents& events) override;
    void SetApplicationTitle(const std::string& title) override;
    void SetCaption(const std::string& caption) override;
    void SetShowHints(bool on) override;
    void SetStayOnTop(bool on) override;
    void HideTaskbarEntry() override;
    void AddButton(int tag, const std::string& caption, const BarFont& font,
                   const std::string& hint) override;
    void SetButtonBounds(int tag, int left, int top, int width, int height) override;
    void RemoveButton(int tag) override;
    PixelSize MeasureCaption(const std::string& caption, const BarFont& font) override;
    int OuterWidth() override;
    WindowPlacement GetPlacement() override;
    void SetPlacement(const WindowPlacement& placement) override;
    bool IsVisible() override;
    bool IsApplicationMinimized() override;
    void Repaint() override;
    void Close() override;
    PixelSize ScreenSize() override;
    PixelSize SizingFrame() override;
    int PixelsPerInch() override;

private:
    const RecordedWindow* FindRecorded(WindowHandle window) const;
    RecordedWindow* BarWindow();
    void ApplyUserInput(const BarInput& input);
    void ResizeBarTo(const PixelRect& rect);
    void RunCloseEvents();

    BarEvents* barEvents_ = nullptr;
    bool closeRequested_ = false;
    bool closed_ = false;  // the close events have run

    std::string trace_;
    std::uint16_t charKeys_[256];
    std::uint32_t oemScanCodes_[256];
    std::uint32_t virtualKeyScanCodes_[256];
};

// The line format of a key event: "down 0x10 0x2a" / "up 0x10 0x2a".
std::string KeyEventLine(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed);

// The line form of a font: "name,size,style letters,pitch,0xCOLOUR".
std::string FontLine(const BarFont& font);
// The line form of a placement: "flags=F show=S min=X,Y max=X,Y normal=L,T,R,B".
std::string PlacementLine(const WindowPlacement& placement);

}  // namespace keystrip::recording
