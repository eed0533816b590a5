// The caption measures that the buttons' common size is made of.
#pragma once

#include <string>

#include "platform/platform.h"

namespace keystrip {

class TFont;

// The font as the platform draws it.
BarFont BarFontOf(const TFont& font);

// The caption's extent in the font, as the platform measures it; 0 when it cannot.
int CaptionTextWidth(const std::string& caption, const TFont& font);
int CaptionTextHeight(const std::string& caption, const TFont& font);

// Grows ButtonWidth and ButtonHeight to hold the caption with 2 pixels on each side.
void FitButtonSizeToCaption(const std::string& caption, const TFont& font);

}  // namespace keystrip
