#include "ui/form_placement.h"

#include <cstdio>
#include <vector>

#include "app/config_file.h"
#include "platform/platform.h"
#include "ui/exception_display.h"

namespace keystrip {
namespace {

// The section is named after the main form's class.
constexpr const char* kSection = kMainFormClassName;

// Keys written on one screen size carry it, so each resolution keeps its own.
std::string ResolutionSuffix() {
    const PixelSize screen = ThePlatform().bar->ScreenSize();
    char text[32];
    std::snprintf(text, sizeof text, "(%dx%d)", screen.width, screen.height);
    return text;
}

// The words of a position value: runs of characters other than "," and blank.
std::vector<std::string> PositionWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ',' || c == ' ') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

int WordValue(const std::vector<std::string>& words, std::size_t index, int defaultValue) {
    std::int32_t value = defaultValue;
    if (index >= words.size() || !ParseIntValue(words[index], value)) return defaultValue;
    return value;
}

// The suffixed key first, the plain one when that is missing or empty.
std::string ReadPosition(const TIniFile& ini, const std::string& key, const std::string& suffix) {
    std::string text = ini.ReadTextValue(kSection, key + suffix, "");
    if (text.empty()) text = ini.ReadTextValue(kSection, key, "");
    return text;
}

std::string FourNumbers(int a, int b, int c, int d) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", a, b, c, d);
    return text;
}

}  // namespace

void TFormPlacement::FormShow() {
    ShowingExceptions([this] { RestoreFormPlacement(); });
}

void TFormPlacement::FormCloseQuery() {
    ShowingExceptions([this] { SaveFormPlacement(); });
}

void TFormPlacement::FormDestroy() {
    if (saved_) return;
    destroying_ = true;
    ShowingExceptions([this] { SaveFormPlacement(); });
    destroying_ = false;
}

void TFormPlacement::RestoreFormPlacement() {
    BarWindowService& bar = *ThePlatform().bar;
    const TIniFile ini(IniFileName);
    const std::string suffix = ResolutionSuffix();
    saved_ = false;

    WindowPlacement placement = bar.GetPlacement();
    if (!bar.IsVisible()) placement.showCommand = kShowHidden;
    placement.flags = ini.ReadIntValue(kSection, "Flags", placement.flags);

    bool found = false;
    const std::string minMax = ReadPosition(ini, "MinMaxPos", suffix);
    if (!minMax.empty()) {
        const std::vector<std::string> words = PositionWords(minMax);
        placement.minPosition = {WordValue(words, 0, 0), WordValue(words, 1, 0)};
        placement.maxPosition = {WordValue(words, 2, 0), WordValue(words, 3, 0)};
        found = true;
    }
    const std::string norm = ReadPosition(ini, "NormPos", suffix);
    if (!norm.empty()) {
        const std::vector<std::string> words = PositionWords(norm);
        PixelRect& rect = placement.normalRect;
        rect = {WordValue(words, 0, rect.left), WordValue(words, 1, rect.top),
                WordValue(words, 2, rect.right), WordValue(words, 3, rect.bottom)};
        found = true;
    }
    const int screenPpi = bar.PixelsPerInch();
    const int ppi = ini.ReadIntValue(kSection, "PixelsPerInch", screenPpi);
    if (found && ppi == screenPpi && placement.normalRect.left < placement.normalRect.right)
        bar.SetPlacement(placement);
    bar.Repaint();
    restored_ = true;

    // Where a maximised bar goes: its sizing frame just off the screen's edges.
    WindowPlacement final = bar.GetPlacement();
    if (!bar.IsVisible()) final.showCommand = kShowHidden;
    const PixelSize frame = bar.SizingFrame();
    final.maxPosition = {-frame.width, -frame.height};
    bar.SetPlacement(final);
}

void TFormPlacement::SaveFormPlacement() {
    if (!restored_) return;
    BarWindowService& bar = *ThePlatform().bar;
    WindowPlacement placement = bar.GetPlacement();
    if (bar.IsApplicationMinimized()) placement.showCommand = kShowMinimized;

    const TIniFile ini(IniFileName);
    const std::string suffix = ResolutionSuffix();
    const std::string minMax = FourNumbers(placement.minPosition.x, placement.minPosition.y,
                                           placement.maxPosition.x, placement.maxPosition.y);
    const PixelRect& rect = placement.normalRect;
    const std::string norm = FourNumbers(rect.left, rect.top, rect.right, rect.bottom);
    ini.WriteIntValue(kSection, "Flags", placement.flags);
    ini.WriteIntValue(kSection, "ShowCmd", placement.showCommand);
    ini.WriteIntValue(kSection, "PixelsPerInch", bar.PixelsPerInch());
    ini.WriteTextValue(kSection, "MinMaxPos" + suffix, minMax);
    ini.WriteTextValue(kSection, "MinMaxPos", minMax);
    ini.WriteTextValue(kSection, "NormPos" + suffix, norm);
    ini.WriteTextValue(kSection, "NormPos", norm);
    ini.WriteBoolValue(kSection, "Visible", destroying_);
    saved_ = true;
}

}  // namespace keystrip
