#include "ui/bar_catalogue.h"

#include "app/config_file.h"

namespace keystrip {
namespace {

constexpr char kSettings[] = "Keystrip";

std::string ButtonSection(std::size_t number) { return "Button" + std::to_string(number); }

// The number of leading button sections with a non-empty InsertText.
std::size_t CountButtons(const TIniFile& config) {
    std::size_t count = 0;
    while (!config.ReadTextValue(ButtonSection(count + 1), "InsertText", "").empty()) ++count;
    return count;
}

ButtonDescription ReadButton(const TIniFile& config, const std::string& section,
                             const std::string& defaultDestination) {
    ButtonDescription button;
    button.Caption = config.ReadTextValue(section, "Caption", "");
    ReadFontKey(config, section, "Font", button.Font);
    button.Hint = config.ReadTextValue(section, "Hint", "");
    button.InsertText = config.ReadTextValue(section, "InsertText", "");
    // A key present with an empty value overrides the default.
    button.Destination = config.ReadTextValue(section, "Destination", defaultDestination);
    return button;
}

}  // namespace

BarCatalogue ReadBarCatalogue(const TIniFile& config) {
    BarCatalogue catalogue;
    catalogue.ShowHints = config.ReadBoolValue(kSettings, "ShowHints", false);
    catalogue.CutAndPaste = config.ReadBoolValue(kSettings, "CutAndPaste", false);
    catalogue.Destination = config.ReadTextValue(kSettings, "Destination", "");
    catalogue.Sleep = config.ReadIntValue(kSettings, "Sleep", 0);
    catalogue.StayOnTop = config.ReadBoolValue(kSettings, "StayOnTop", true);
    catalogue.TaskbarButton = config.ReadBoolValue(kSettings, "TaskbarButton", !catalogue.StayOnTop);
    // One value serves as the starting width and the starting height.
    catalogue.ButtonSize = config.ReadIntValue(kSettings, "ButtonSize", 0);
    const std::size_t count = CountButtons(config);
    for (std::size_t number = 1; number <= count; ++number)
        catalogue.Buttons.push_back(ReadButton(config, ButtonSection(number), catalogue.Destination));
    return catalogue;
}

}  // namespace keystrip
