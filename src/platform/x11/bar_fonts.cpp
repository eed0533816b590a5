#include "platform/x11/bar_fonts.h"

#include <FL/Fl.H>
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <cmath>
#include <map>
#include <string>

#include "platform/posix/cp1252.h"

namespace keystrip::x11 {
namespace {

// The Windows system colours a caption may name (index after 0x80000000).
Fl_Color SystemColor(std::uint32_t index) {
    switch (index) {
        case 5:   // clWindow
        case 14:  // clHighlightText
            return FL_WHITE;
        case 13:  // clHighlight
            return fl_rgb_color(0, 0, 128);
        case 15:  // clBtnFace
            return FL_BACKGROUND_COLOR;
        case 16:  // clBtnShadow
        case 17:  // clGrayText
            return fl_rgb_color(128, 128, 128);
        default:  // clWindowText, clBtnText and the rest
            return FL_BLACK;
    }
}

Fl_Color ColorOf(std::uint32_t color) {
    if (color & 0x80000000u) return SystemColor(color & 0xff);
    if (color == 0x1fffffff) return FL_BLACK;
    return fl_rgb_color(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
}

}  // namespace

bool FontconfigHasFamily(const std::string& family) {
    static std::map<std::string, bool> known;
    auto found = known.find(family);
    if (found != known.end()) return found->second;
    bool has = false;
    if (!family.empty() && FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
        has = fonts && fonts->nfont > 0;
        if (fonts) FcFontSetDestroy(fonts);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
    }
    known.emplace(family, has);
    return has;
}

FltkFont FltkFontOf(const BarFont& font, int pixelsPerInch) {
    static std::map<std::string, Fl_Font> faces;
    static Fl_Font nextFace = FL_FREE_FONT;
    FltkFont result;
    const std::string family = cp1252::ToUtf8(font.name);
    if (FontconfigHasFamily(family)) {
        // FLTK's Xft names start with the style: ' ' plain, 'B' bold, 'I' italic, 'P' both.
        const char style = font.bold && font.italic ? 'P' : font.bold ? 'B' : font.italic ? 'I' : ' ';
        const std::string name = style + family;
        auto found = faces.find(name);
        if (found == faces.end()) {
            found = faces.emplace(name, nextFace).first;
            Fl::set_font(nextFace, strdup(name.c_str()));
            nextFace = static_cast<Fl_Font>(nextFace + 1);
        }
        result.face = found->second;
    } else {
        result.face = font.bold && font.italic ? FL_HELVETICA_BOLD_ITALIC
                      : font.bold              ? FL_HELVETICA_BOLD
                      : font.italic            ? FL_HELVETICA_ITALIC
                                               : FL_HELVETICA;
    }
    const int points = font.size < 0 ? -font.size : font.size;
    result.size = static_cast<Fl_Fontsize>(std::lround(points * pixelsPerInch / 72.0));
    if (result.size < 1) result.size = 1;
    result.color = ColorOf(font.color);
    result.underline = font.underline;
    result.strikeOut = font.strikeOut;
    return result;
}

}  // namespace keystrip::x11
