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

Platform RecordingPlatform::Services() { return Platform{this, this, this, this, this}; }

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

bool RecordingPlatform::IsWindow(WindowHandle window) { return window != 0 && FindRecorded(window) != nullptr; }

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
