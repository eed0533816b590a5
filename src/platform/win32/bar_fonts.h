// Caption fonts and colours of the bar's buttons as GDI objects.
#pragma once

#include "platform/win32/windows_api.h"

#include "platform/platform.h"

namespace keystrip::win32 {

// A GDI font for the record, its size in points at the given pixels per inch.
// The caller deletes it.
HFONT CreateBarFont(const BarFont& font, int pixelsPerInch);

// The RGB value of a colour: a system colour (0x80000000 + index) is looked up.
COLORREF ColorOf(std::uint32_t color);

// The screen's logical pixels per inch.
int ScreenPixelsPerInch();

}  // namespace keystrip::win32
