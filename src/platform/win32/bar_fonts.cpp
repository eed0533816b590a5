#include "platform/win32/bar_fonts.h"

#include <cstring>

namespace keystrip::win32 {

HFONT CreateBarFont(const BarFont& font, int pixelsPerInch) {
    LOGFONTA logFont = {};
    logFont.lfHeight = -MulDiv(font.size, pixelsPerInch, 72);
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.italic ? TRUE : FALSE;
    logFont.lfUnderline = font.underline ? TRUE : FALSE;
    logFont.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    switch (font.pitch) {
        case 1:
            logFont.lfPitchAndFamily = VARIABLE_PITCH;
            break;
        case 2:
            logFont.lfPitchAndFamily = FIXED_PITCH;
            break;
        default:
            logFont.lfPitchAndFamily = DEFAULT_PITCH;
            break;
    }
    std::strncpy(logFont.lfFaceName, font.name.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectA(&logFont);
}

COLORREF ColorOf(std::uint32_t color) {
    if ((color & 0x80000000u) != 0) return GetSysColor(static_cast<int>(color & 0xffu));
    return color;
}

int ScreenPixelsPerInch() {
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

}  // namespace keystrip::win32
