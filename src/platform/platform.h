// The seam between the portable core and the operating system.
//
// The core (app/, ui/, keys/, target/) reaches the platform only through the
// services below. Each backend (win32/, x11/, recording/) implements them with
// the effect the core relies on and nothing more: behaviour lives in the core.
// Text is a byte string in the platform's 8-bit code page.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace keystrip {

// The window class of the bar's main form: backends register the form under it,
// and a second start looks for a running bar by it.
inline constexpr char kMainFormClassName[] = "TKeystripMainForm";

// An opaque top-level window handle; 0 means none.
using WindowHandle = std::uintptr_t;

// Keyboard events and key lookup.
class KeyboardService {
public:
    virtual ~KeyboardService() = default;
    // Puts one key event into the input stream for the focused window, in call order.
    virtual void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) = 0;
    // The key of an ANSI character on the active layout: low byte virtual-key code,
    // high byte shift state; 0xffff when the layout has no key for it.
    virtual std::uint16_t VirtualKeyOfChar(unsigned char ch) = 0;
    // The character's form in the OEM code page.
    virtual unsigned char AnsiToOem(unsigned char ch) = 0;
    // Scan code of an OEM character in the low word, shift state in the high word;
    // 0xffffffff when the character is not on the keyboard.
    virtual std::uint32_t ScanCodeOfOemChar(unsigned char oem) = 0;
    // Scan code of a virtual key; 0 when the layout has no such key.
    virtual std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey) = 0;
};

// Pauses, clipboard, launch and sound.
class SystemService {
public:
    virtual ~SystemService() = default;
    // Blocks the calling thread for that many milliseconds (0 still yields).
    virtual void Pause(std::uint32_t milliseconds) = 0;
    // Opens the clipboard with no owner; false when another program holds it.
    virtual bool OpenClipboard() = 0;
    virtual void EmptyClipboard() = 0;
    virtual void CloseClipboard() = 0;
    // Starts a command line, shown normally, without waiting; false when nothing was started.
    virtual bool LaunchCommand(const std::string& commandLine) = 0;
    // The exclamation sound.
    virtual void BeepExclamation() = 0;
};

// A lead-byte range of a double-byte code page, both ends included.
struct LeadByteRange {
    unsigned char first;
    unsigned char last;
};

// Top-level windows.
class WindowService {
public:
    virtual ~WindowService() = default;
    // Calls visit for every top-level window, front to back in the Z order,
    // until visit returns false.
    virtual void EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    // Length of the window's title in bytes; 0 when it has none.
    virtual int TitleLength(WindowHandle window) = 0;
    // The title, at most maxLength bytes.
    virtual std::string Title(WindowHandle window, int maxLength) = 0;
    // Brings the window to the foreground; the outcome is not reported.
    virtual void Activate(WindowHandle window) = 0;
    // A running bar of that window class and title is brought forward; an empty
    // title matches any. False, with nothing done, when there is none.
    virtual bool ActivateRunningInstance(const std::string& windowClass, const std::string& title) = 0;
    // The top-level window of that class and exact title; 0 when there is none.
    virtual WindowHandle FindWindow(const std::string& windowClass, const std::string& title) = 0;
    // Asks the window to close as its user would, and returns once it has handled the request.
    virtual void RequestClose(WindowHandle window) = 0;
    // Lead-byte ranges of the code page that titles are written in; empty for a single-byte one.
    virtual std::vector<LeadByteRange> LeadByteRanges() = 0;
};

// How a platform spells paths.
enum class PathStyle {
    Windows,  // "\" and ":" separate, ".\" is the current directory, "C:\" or "\" is explicit
    Posix,    // "/" separates, "./" is the current directory, "/" is explicit
};

// Files and the private profile.
class FileService {
public:
    virtual ~FileService() = default;
    virtual PathStyle Style() = 0;
    // Full path of the running program file.
    virtual std::string ProgramPath() = 0;
    // The third place searched for a configuration: the Windows directory, or the
    // user's configuration folder where there is none. Without a trailing separator;
    // "" when there is no such place (no home folder), and the search skips it.
    virtual std::string SystemConfigDirectory() = 0;
    // True when an entry of that name exists and is not a directory.
    virtual bool FileExists(const std::string& path) = 0;
    // The value of section/key in the file, or defaultValue; at most 1023 bytes.
    virtual std::string ReadProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue, const std::string& path) = 0;
    // Writes section/key; false when the file could not be written (it is then unchanged).
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& path) = 0;
};

// Message boxes and the exception display, which start-up needs before a bar exists.
class DialogService {
public:
    virtual ~DialogService() = default;
    // A modal box with one OK button and no icon; returns when dismissed.
    virtual void ShowMessageBox(const std::string& caption, const std::string& text) = 0;
    // A modal box with an error icon: caption, then the message followed by ".".
    virtual void ShowException(const std::string& caption, const std::string& message) = 0;
};

// The bar window: the main form, its buttons, its placement and the screen.

// A point or an extent in pixels.
struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// A rectangle in screen pixels; right and bottom lie just outside it.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The main form as designed, before any placement is restored: its outer
// rectangle in screen pixels, frame and caption included (164 by 235 at 120,159).
inline constexpr PixelRect kDesignedFormRect{120, 159, 120 + 164, 159 + 235};

// Show commands of a placement record (the Win32 values).
constexpr std::int32_t kShowHidden = 0;
constexpr std::int32_t kShowNormal = 1;
constexpr std::int32_t kShowMinimized = 2;

// The window placement record: where the bar lies when normal, minimised and
// maximised. A platform without such a record maps normalRect to the window's
// outer position and size and keeps the other fields as last set.
struct WindowPlacement {
    std::int32_t flags = 0;
    std::int32_t showCommand = kShowNormal;
    PixelPoint minPosition;
    PixelPoint maxPosition;
    PixelRect normalRect;
};

// A caption font as a plain record.
struct BarFont {
    std::string name = "MS Sans Serif";  // face name, at most 31 bytes
    int size = 8;                        // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int pitch = 0;  // 0 default, 1 variable, 2 fixed
    // Blue * 65536 + Green * 256 + Red, or 0x80000000 + a system colour index
    // (clWindowText is index 8); 0x1fffffff is no colour.
    std::uint32_t color = 0x80000008;
};

// The form's events, carried to the core. The core catches and shows its own
// exceptions: none of these throws into the backend.
class BarEvents {
public:
    virtual ~BarEvents() = default;
    // The form exists (hidden, at its designed bounds); build it.
    virtual void OnCreate() = 0;
    // The form is about to become visible for the first time.
    virtual void OnShow() = 0;
    // The form is closing (it always may); runs before OnClose.
    virtual void OnCloseQuery() = 0;
    virtual void OnClose() = 0;
    // The form is being destroyed, after its message loop has ended.
    virtual void OnDestroy() = 0;
    // The form's size was set or changed, including at its first show; may also
    // come while the form is created, before OnCreate.
    virtual void OnResize() = 0;
    // The user clicked the button created with that tag.
    virtual void OnButtonClick(int tag) = 0;
};

// The bar's main form as the core drives it. Every operation but
// SetApplicationTitle and RunApplication is for use from inside the events.
class BarWindowService {
public:
    virtual ~BarWindowService() = default;

    // Runs the application: creates the form, a tool window with a sizing frame,
    // window class "TKeystripMainForm", caption "Keystrip", hidden at 120,159
    // with an outer size of 164 by 235, and calls events.OnCreate. Unless the form
    // was closed meanwhile, calls OnShow, shows the form (OnResize) and processes
    // messages until the form is closed (OnCloseQuery, OnClose). Then OnDestroy,
    // the form is destroyed, and the call returns.
    virtual void RunApplication(BarEvents& events) = 0;
    // The application's title (as on its taskbar entry); also before RunApplication.
    virtual void SetApplicationTitle(const std::string& title) = 0;
    // The form's caption.
    virtual void SetCaption(const std::string& caption) = 0;
    // Buttons show their hints as tooltips only when on.
    virtual void SetShowHints(bool on) = 0;
    // The form stays above all other windows, or is an ordinary window.
    virtual void SetStayOnTop(bool on) = 0;
    // The application has no taskbar entry from now on.
    virtual void HideTaskbarEntry() = 0;

    // A flat push button on the form at 0,0, shown, with that caption drawn in
    // that font and that hint; a click on it calls OnButtonClick(tag). Tags are unique.
    virtual void AddButton(int tag, const std::string& caption, const BarFont& font,
                           const std::string& hint) = 0;
    // Position (client coordinates of the form) and size of a button.
    virtual void SetButtonBounds(int tag, int left, int top, int width, int height) = 0;
    virtual void RemoveButton(int tag) = 0;
    // Width and height of the caption drawn in that font, as a button draws it;
    // 0 by 0 when it cannot be measured.
    virtual PixelSize MeasureCaption(const std::string& caption, const BarFont& font) = 0;

    // The form's outer width, frame and caption included.
    virtual int OuterWidth() = 0;
    virtual WindowPlacement GetPlacement() = 0;
    // Moves and sizes the form to normalRect (OnResize when the size changes);
    // shows it in showCommand's state unless that is kShowHidden.
    virtual void SetPlacement(const WindowPlacement& placement) = 0;
    virtual bool IsVisible() = 0;
    // The whole application is minimised.
    virtual bool IsApplicationMinimized() = 0;
    // Redraws the form at once.
    virtual void Repaint() = 0;
    // The form closes as when its user closes it, once the current event returns.
    // From OnCreate: the form is never shown and no message is processed.
    virtual void Close() = 0;

    virtual PixelSize ScreenSize() = 0;
    // Width and height of a sizing frame.
    virtual PixelSize SizingFrame() = 0;
    // The screen's logical pixels per inch.
    virtual int PixelsPerInch() = 0;
};

// Every service the core uses.
struct Platform {
    KeyboardService* keyboard = nullptr;
    SystemService* system = nullptr;
    WindowService* windows = nullptr;
    FileService* files = nullptr;
    DialogService* dialogs = nullptr;
    BarWindowService* bar = nullptr;
};

// The process-wide platform. A backend installs it before the core runs.
void InstallPlatform(const Platform& platform);
const Platform& ThePlatform();

}  // namespace keystrip
