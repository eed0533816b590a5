#include "platform/recording/recording_platform.h"

#include <algorithm>
#include <cstdio>

#include "platform/profile/profile_text.h"
#include "platform/recording/reference_layout.h"

namespace keystrip::recording {
namespace {

std::string Hex2(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", value & 0xffu);
    return text;
}

bool OnlyBlanks(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::string KeyEventLine(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) {
    return std::string(pressed ? "down " : "up ") + Hex2(virtualKey) + " " + Hex2(scanCode);
}

std::string FontLine(const BarFont& font) {
    std::string style;
    if (font.bold) style += 'B';
    if (font.italic) style += 'I';
    if (font.underline) style += 'U';
    if (font.strikeOut) style += 'S';
    char color[16];
    std::snprintf(color, sizeof color, "0x%08X", static_cast<unsigned>(font.color));
    return font.name + "," + std::to_string(font.size) + "," + style + "," + std::to_string(font.pitch) +
           "," + color;
}

std::string PlacementLine(const WindowPlacement& p) {
    char text[160];
    std::snprintf(text, sizeof text, "flags=%d show=%d min=%d,%d max=%d,%d normal=%d,%d,%d,%d",
                  static_cast<int>(p.flags), static_cast<int>(p.showCommand), p.minPosition.x,
                  p.minPosition.y, p.maxPosition.x, p.maxPosition.y, p.normalRect.left, p.normalRect.top,
                  p.normalRect.right, p.normalRect.bottom);
    return text;
}

RecordingPlatform::RecordingPlatform() {
    std::fill(std::begin(charKeys_), std::end(charKeys_), std::uint16_t{0xffff});
    std::fill(std::begin(oemScanCodes_), std::end(oemScanCodes_), 0xffffffffu);
    std::fill(std::begin(virtualKeyScanCodes_), std::end(virtualKeyScanCodes_), 0u);
    for (std::size_t i = 0; i < kLayoutCharRowCount; ++i) {
        charKeys_[kLayoutCharRows[i].ch] = kLayoutCharRows[i].virtualKeyOfChar;
        oemScanCodes_[kLayoutCharRows[i].ch] = kLayoutCharRows[i].scanCodeOfOemChar;
    }
    for (std::size_t i = 0; i < kLayoutVirtualKeyRowCount; ++i)
        virtualKeyScanCodes_[kLayoutVirtualKeyRows[i].virtualKey & 0xffu] = kLayoutVirtualKeyRows[i].scanCode;
}

Platform RecordingPlatform::Services() { return Platform{this, this, this, this, this, this}; }

void RecordingPlatform::Record(const std::string& line) { trace_ += line + "\n"; }

void RecordingPlatform::UseCodePage932() { leadByteRanges = {{0x81, 0x9f}, {0xe0, 0xfc}}; }

// KeyboardService

void RecordingPlatform::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) {
    Record(KeyEventLine(virtualKey, scanCode, pressed));
}

std::uint16_t RecordingPlatform::VirtualKeyOfChar(unsigned char ch) { return charKeys_[ch]; }

// The reference layout gives OemKeyScan of each ANSI character's OEM form directly,
// so the OEM form is modelled as the character itself (code page 1252 and 437
// agree below 0x80, and no character from 0x80 up has a key).
unsigned char RecordingPlatform::AnsiToOem(unsigned char ch) { return ch; }

std::uint32_t RecordingPlatform::ScanCodeOfOemChar(unsigned char oem) { return oemScanCodes_[oem]; }

std::uint32_t RecordingPlatform::ScanCodeOfVirtualKey(std::uint32_t virtualKey) {
    return virtualKey < 256 ? virtualKeyScanCodes_[virtualKey] : 0;
}

// SystemService

void RecordingPlatform::Pause(std::uint32_t milliseconds) { Record("sleep " + std::to_string(milliseconds)); }

bool RecordingPlatform::OpenClipboard() {
    if (clipboardBusy) return false;
    Record("clipboard-open");
    return true;
}

void RecordingPlatform::EmptyClipboard() { Record("clipboard-empty"); }

void RecordingPlatform::CloseClipboard() { Record("clipboard-close"); }

bool RecordingPlatform::LaunchCommand(const std::string& commandLine) {
    Record("run " + commandLine);
    return !OnlyBlanks(commandLine);
}

void RecordingPlatform::BeepExclamation() { Record("beep 0x30"); }

// WindowService

const RecordedWindow* RecordingPlatform::FindRecorded(WindowHandle window) const {
    for (const RecordedWindow& w : windows)
        if (w.handle == window) return &w;
    return nullptr;
}

void RecordingPlatform::EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) {
    // A copy, so that a visit may change the list as a real window system allows.
    std::vector<WindowHandle> handles;
    for (const RecordedWindow& w : windows) handles.push_back(w.handle);
    for (WindowHandle h : handles)
        if (!visit(h)) return;
}

bool RecordingPlatform::IsWindow(WindowHandle window) {
    return window != 0 && FindRecorded(window) != nullptr;
}

int RecordingPlatform::TitleLength(WindowHandle window) {
    const RecordedWindow* w = FindRecorded(window);
    return w ? static_cast<int>(w->title.size()) : 0;
}

std::string RecordingPlatform::Title(WindowHandle window, int maxLength) {
    const RecordedWindow* w = FindRecorded(window);
    if (!w || maxLength <= 0) return {};
    std::string title = w->title.substr(0, static_cast<std::size_t>(maxLength));
    return title.substr(0, title.find('\0'));
}

void RecordingPlatform::Activate(WindowHandle window) { Record("activate " + std::to_string(window)); }

bool RecordingPlatform::ActivateRunningInstance(const std::string& windowClass, const std::string& title) {
    for (const RecordedWindow& w : windows) {
        if (w.windowClass == windowClass && (title.empty() || w.title == title)) {
            Record("bring-forward " + std::to_string(w.handle));
            return true;
        }
    }
    return false;
}

WindowHandle RecordingPlatform::FindWindow(const std::string& windowClass, const std::string& title) {
    for (const RecordedWindow& w : windows)
        if (w.windowClass == windowClass && w.title == title) return w.handle;
    return 0;
}

void RecordingPlatform::RequestClose(WindowHandle window) {
    Record("close " + std::to_string(window));
    // The running bar handles the request before it returns, as a user's close.
    if (window == kRecordedBarHandle && barEvents_) {
        RunCloseEvents();
        return;
    }
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [window](const RecordedWindow& w) { return w.handle == window; }),
                  windows.end());
}

std::vector<LeadByteRange> RecordingPlatform::LeadByteRanges() { return leadByteRanges; }

// FileService

PathStyle RecordingPlatform::Style() { return pathStyle; }

std::string RecordingPlatform::ProgramPath() { return programPath; }

std::string RecordingPlatform::SystemConfigDirectory() { return systemConfigDirectory; }

bool RecordingPlatform::FileExists(const std::string& path) {
    return files.count(path) != 0 && directories.count(path) == 0;
}

std::string RecordingPlatform::ReadProfileString(const std::string& section, const std::string& key,
                                                 const std::string& defaultValue, const std::string& path) {
    auto file = files.find(path);
    std::string value = defaultValue;
    if (file != files.end()) {
        if (auto found = profile::FindValue(file->second, section, key)) value = *found;
    }
    return value.substr(0, 1023);
}

bool RecordingPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& path) {
    if (readOnlyFiles.count(path) != 0 || directories.count(path) != 0) {
        Record("write-failed " + path);
        return false;
    }
    files[path] = profile::WithValue(files[path], section, key, value);
    Record("write " + path + " [" + section + "] " + key + "=" + value);
    return true;
}

// DialogService

void RecordingPlatform::ShowMessageBox(const std::string& caption, const std::string& text) {
    Record("message-box " + caption + ": " + text);
}

void RecordingPlatform::ShowException(const std::string& caption, const std::string& message) {
    Record("exception " + caption + ": " + message + ".");
}

}  // namespace keystrip::recording

namespace keystrip::recording {

// The bar: a form held as data. The message loop plays barInputs.

void RecordingPlatform::UserMovesBar(int left, int top) {
    barInputs.push_back({BarInput::Kind::Move, left, top, {}});
}

void RecordingPlatform::UserSizesBar(int width, int height) {
    barInputs.push_back({BarInput::Kind::Size, width, height, {}});
}

void RecordingPlatform::UserClicks(int tag) { barInputs.push_back({BarInput::Kind::Click, tag, 0, {}}); }

void RecordingPlatform::UserClosesBar() { barInputs.push_back({BarInput::Kind::Close, 0, 0, {}}); }

void RecordingPlatform::UserDoes(std::function<void()> call) {
    barInputs.push_back({BarInput::Kind::Call, 0, 0, std::move(call)});
}

RecordedWindow* RecordingPlatform::BarWindow() {
    for (RecordedWindow& w : windows)
        if (w.handle == kRecordedBarHandle) return &w;
    return nullptr;
}

void RecordingPlatform::RunApplication(BarEvents& events) {
    bar = RecordedBar{};
    bar.exists = true;
    bar.caption = "Keystrip";
    bar.placement.minPosition = {-1, -1};
    bar.placement.maxPosition = {-1, -1};
    bar.placement.normalRect = kDesignedFormRect;
    barEvents_ = &events;
    closeRequested_ = false;
    closed_ = false;
    // Like any top-level window it is listed, hidden, in front of the others.
    windows.insert(windows.begin(),
                   RecordedWindow{kRecordedBarHandle, bar.caption, kMainFormClassName, false});
    Record("bar-create TKeystripMainForm Keystrip " + PlacementLine(bar.placement));
    events.OnResize();
    events.OnCreate();
    if (!closeRequested_) {
        events.OnShow();
        bar.visible = true;
        if (RecordedWindow* w = BarWindow()) w->visible = true;
        Record("bar-show");
        events.OnResize();
        while (!closeRequested_) {
            if (barInputs.empty()) {
                Record("user close");
                closeRequested_ = true;
                break;
            }
            BarInput input = std::move(barInputs.front());
            barInputs.pop_front();
            ApplyUserInput(input);
        }
    }
    RunCloseEvents();
    events.OnDestroy();
    Record("bar-destroy");
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [](const RecordedWindow& w) { return w.handle == kRecordedBarHandle; }),
                  windows.end());
    bar.exists = false;
    bar.visible = false;
    barEvents_ = nullptr;
}

void RecordingPlatform::ApplyUserInput(const BarInput& input) {
    PixelRect rect = bar.placement.normalRect;
    switch (input.kind) {
        case BarInput::Kind::Move:
            Record("user move " + std::to_string(input.a) + "," + std::to_string(input.b));
            bar.placement.normalRect = {input.a, input.b, input.a + rect.right - rect.left,
                                        input.b + rect.bottom - rect.top};
            break;
        case BarInput::Kind::Size:
            Record("user size " + std::to_string(input.a) + "x" + std::to_string(input.b));
            ResizeBarTo({rect.left, rect.top, rect.left + input.a, rect.top + input.b});
            break;
        case BarInput::Kind::Click:
            Record("user click " + std::to_string(input.a));
            if (bar.buttons.count(input.a) != 0) barEvents_->OnButtonClick(input.a);
            break;
        case BarInput::Kind::Close:
            Record("user close");
            closeRequested_ = true;
            break;
        case BarInput::Kind::Call:
            input.call();
            break;
    }
}

void RecordingPlatform::RunCloseEvents() {
    closeRequested_ = true;
    if (closed_) return;
    closed_ = true;
    barEvents_->OnCloseQuery();
    barEvents_->OnClose();
}

void RecordingPlatform::ResizeBarTo(const PixelRect& rect) {
    const PixelRect old = bar.placement.normalRect;
    bar.placement.normalRect = rect;
    const bool sizeChanged =
        rect.right - rect.left != old.right - old.left || rect.bottom - rect.top != old.bottom - old.top;
    if (sizeChanged && barEvents_) barEvents_->OnResize();
}

void RecordingPlatform::SetApplicationTitle(const std::string& title) {
    applicationTitle = title;
    Record("app-title " + title);
}

void RecordingPlatform::SetCaption(const std::string& caption) {
    bar.caption = caption;
    if (RecordedWindow* w = BarWindow()) w->title = caption;
    Record("bar-caption " + caption);
}

void RecordingPlatform::SetShowHints(bool on) {
    bar.showHints = on;
    Record(std::string("bar-hints ") + (on ? "1" : "0"));
}

void RecordingPlatform::SetStayOnTop(bool on) {
    bar.stayOnTop = on;
    Record(std::string("bar-stay-on-top ") + (on ? "1" : "0"));
}

void RecordingPlatform::HideTaskbarEntry() {
    bar.taskbarEntry = false;
    Record("taskbar-hide");
}

void RecordingPlatform::AddButton(int tag, const std::string& caption, const BarFont& font,
                                  const std::string& hint) {
    bar.buttons[tag] = RecordedButton{caption, font, hint};
    Record("button-add " + std::to_string(tag) + " caption=" + caption + " font=" + FontLine(font) +
           " hint=" + hint);
}

void RecordingPlatform::SetButtonBounds(int tag, int left, int top, int width, int height) {
    RecordedButton& b = bar.buttons[tag];
    b.left = left;
    b.top = top;
    b.width = width;
    b.height = height;
    Record("button-bounds " + std::to_string(tag) + " " + std::to_string(left) + "," + std::to_string(top) +
           " " + std::to_string(width) + "x" + std::to_string(height));
}

void RecordingPlatform::RemoveButton(int tag) {
    bar.buttons.erase(tag);
    Record("button-remove " + std::to_string(tag));
}

PixelSize RecordingPlatform::MeasureCaption(const std::string& caption, const BarFont& font) {
    if (measureFails) return {0, 0};
    return {static_cast<int>(caption.size()) * font.size, 2 * font.size};
}

int RecordingPlatform::OuterWidth() { return bar.placement.normalRect.right - bar.placement.normalRect.left; }

WindowPlacement RecordingPlatform::GetPlacement() { return bar.placement; }

void RecordingPlatform::SetPlacement(const WindowPlacement& placement) {
    Record("bar-placement " + PlacementLine(placement));
    // The record keeps the window's state; hidden is visibility, not a state.
    const std::int32_t state =
        placement.showCommand == kShowHidden ? bar.placement.showCommand : placement.showCommand;
    bar.placement.flags = placement.flags;
    bar.placement.showCommand = state;
    bar.placement.minPosition = placement.minPosition;
    bar.placement.maxPosition = placement.maxPosition;
    bar.visible = placement.showCommand != kShowHidden;
    if (RecordedWindow* w = BarWindow()) w->visible = bar.visible;
    ResizeBarTo(placement.normalRect);
}

bool RecordingPlatform::IsVisible() { return bar.visible; }

bool RecordingPlatform::IsApplicationMinimized() { return applicationMinimized; }

void RecordingPlatform::Repaint() { Record("bar-repaint"); }

void RecordingPlatform::Close() {
    Record("bar-close");
    closeRequested_ = true;
}

PixelSize RecordingPlatform::ScreenSize() { return screenSize; }

PixelSize RecordingPlatform::SizingFrame() { return sizingFrame; }

int RecordingPlatform::PixelsPerInch() { return pixelsPerInch; }

}  // namespace keystrip::recording
