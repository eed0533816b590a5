// What the bar reads from its configuration when its form is created: the
// settings of [Keystrip] and the buttons of [Button1], [Button2], ... The bar and
// keystrip-check both read it here, so both see the same configuration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/font_spec.h"

namespace keystrip {

class TIniFile;

// The message shown when the configuration has no button.
inline constexpr char kButtonCountMissingMessage[] =
    "Error: ButtonCount property not found in configuration file.";

// One button as its section describes it.
struct ButtonDescription {
    std::string Caption;
    TFont Font;  // the platform's default font with the Font key applied
    std::string Hint;
    std::string InsertText;
    std::string Destination;  // the button's own, or the default destination
};

// The settings of [Keystrip] (apart from Title) and the buttons, in configuration order.
struct BarCatalogue {
    bool ShowHints = false;
    bool CutAndPaste = false;
    std::string Destination;  // the default destination
    std::int32_t Sleep = 0;
    bool StayOnTop = true;
    bool TaskbarButton = false;
    std::int32_t ButtonSize = 0;  // the starting width and height of every button
    std::vector<ButtonDescription> Buttons;
};

// Reads the catalogue in the order the form reads it. Reading never fails:
// whatever is missing or malformed reads as its default. The buttons are the
// leading sections [Button1], [Button2], ... with a non-empty InsertText.
BarCatalogue ReadBarCatalogue(const TIniFile& config);

}  // namespace keystrip
