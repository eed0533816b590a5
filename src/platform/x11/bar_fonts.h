// Caption fonts of the bar's buttons: face names matched through fontconfig.
#pragma once

#include <FL/Enumerations.H>

#include "platform/platform.h"

namespace keystrip::x11 {

struct FltkFont {
    Fl_Font face = FL_HELVETICA;
    Fl_Fontsize size = 11;
    Fl_Color color = FL_BLACK;
    bool underline = false;
    bool strikeOut = false;
};

// The FLTK font for a record: the face when fontconfig has it, else the default
// sans face, in the record's style, its size in points at the given pixels per inch.
FltkFont FltkFontOf(const BarFont& font, int pixelsPerInch);

// True when fontconfig knows a face of that family name.
bool FontconfigHasFamily(const std::string& family);

}  // namespace keystrip::x11
