#include "ui/button_size.h"

#include <algorithm>

#include "app/font_spec.h"
#include "ui/main_form.h"

namespace keystrip {

BarFont BarFontOf(const TFont& font) {
    BarFont bar;
    bar.name = font.Name();
    bar.size = font.Size();
    bar.bold = font.Style().Bold;
    bar.italic = font.Style().Italic;
    bar.underline = font.Style().Underline;
    bar.strikeOut = font.Style().StrikeOut;
    bar.pitch = font.Pitch();
    bar.color = font.Color();
    return bar;
}

int CaptionTextWidth(const std::string& caption, const TFont& font) {
    return ThePlatform().bar->MeasureCaption(caption, BarFontOf(font)).width;
}

int CaptionTextHeight(const std::string& caption, const TFont& font) {
    return ThePlatform().bar->MeasureCaption(caption, BarFontOf(font)).height;
}

void FitButtonSizeToCaption(const std::string& caption, const TFont& font) {
    ButtonWidth = std::max(ButtonWidth, CaptionTextWidth(caption, font) + 4);
    ButtonHeight = std::max(ButtonHeight, CaptionTextHeight(caption, font) + 4);
}

}  // namespace keystrip
