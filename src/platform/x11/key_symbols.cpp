#include "platform/x11/key_symbols.h"

#define XK_PUBLISHING
#define XK_LATIN2
#define XK_LATIN9
#include <X11/keysym.h>

#include <array>
#include <utility>

namespace keystrip::x11 {
namespace {

constexpr std::pair<std::uint8_t, KeySym> kNamedKeys[] = {
    {0x03, XK_Break},       {0x08, XK_BackSpace},    {0x09, XK_Tab},          {0x0a, XK_Linefeed},
    {0x0c, XK_Clear},       {0x0d, XK_Return},       {0x10, XK_Shift_L},      {0x11, XK_Control_L},
    {0x12, XK_Alt_L},       {0x13, XK_Pause},        {0x14, XK_Caps_Lock},    {0x1b, XK_Escape},
    {0x20, XK_space},       {0x21, XK_Prior},        {0x22, XK_Next},         {0x23, XK_End},
    {0x24, XK_Home},        {0x25, XK_Left},         {0x26, XK_Up},           {0x27, XK_Right},
    {0x28, XK_Down},        {0x29, XK_Select},       {0x2a, XK_Print},        {0x2b, XK_Execute},
    {0x2c, XK_Print},       {0x2d, XK_Insert},       {0x2e, XK_Delete},       {0x2f, XK_Help},
    {0x5b, XK_Super_L},     {0x5c, XK_Super_R},      {0x5d, XK_Menu},         {0x6a, XK_KP_Multiply},
    {0x6b, XK_KP_Add},      {0x6c, XK_KP_Separator}, {0x6d, XK_KP_Subtract},  {0x6e, XK_KP_Decimal},
    {0x6f, XK_KP_Divide},   {0x90, XK_Num_Lock},     {0x91, XK_Scroll_Lock},  {0xa0, XK_Shift_L},
    {0xa1, XK_Shift_R},     {0xa2, XK_Control_L},    {0xa3, XK_Control_R},    {0xa4, XK_Alt_L},
    {0xa5, XK_Alt_R},       {0xba, XK_semicolon},    {0xbb, XK_equal},        {0xbc, XK_comma},
    {0xbd, XK_minus},       {0xbe, XK_period},       {0xbf, XK_slash},        {0xc0, XK_grave},
    {0xdb, XK_bracketleft}, {0xdc, XK_backslash},    {0xdd, XK_bracketright}, {0xde, XK_apostrophe},
    {0xe2, XK_less},
};

// Code page 1252 characters 0x80 to 0x9f: the keysym X names them by, else the Unicode keysym.
constexpr std::array<KeySym, 32> kUpperControlRange = {
    XK_EuroSign,
    0,
    XK_singlelowquotemark,
    0x1000192,
    XK_doublelowquotemark,
    XK_ellipsis,
    XK_dagger,
    XK_doubledagger,
    0x10002c6,
    XK_permille,
    XK_Scaron,
    0x1002039,
    XK_OE,
    0,
    XK_Zcaron,
    0,
    0,
    XK_leftsinglequotemark,
    XK_rightsinglequotemark,
    XK_leftdoublequotemark,
    XK_rightdoublequotemark,
    XK_enfilledcircbullet,
    XK_endash,
    XK_emdash,
    0x10002dc,
    XK_trademark,
    XK_scaron,
    0x100203a,
    XK_oe,
    0,
    XK_zcaron,
    XK_Ydiaeresis,
};

// The Unicode code points of the same range, for the second spelling of each keysym.
constexpr std::array<std::uint32_t, 32> kUpperControlCodePoints = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178,
};

}  // namespace

KeySym KeysymOfVirtualKey(std::uint8_t virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') return virtualKey;
    if (virtualKey >= 'A' && virtualKey <= 'Z') return virtualKey - 'A' + XK_a;
    if (virtualKey >= 0x60 && virtualKey <= 0x69) return XK_KP_0 + (virtualKey - 0x60);
    if (virtualKey >= 0x70 && virtualKey <= 0x87) return XK_F1 + (virtualKey - 0x70);
    for (const auto& [code, keysym] : kNamedKeys) {
        if (code == virtualKey) return keysym;
    }
    return NoSymbol;
}

std::uint8_t VirtualKeyOfKeysym(KeySym keysym) {
    if (keysym >= XK_0 && keysym <= XK_9) return static_cast<std::uint8_t>(keysym);
    if (keysym >= XK_a && keysym <= XK_z) return static_cast<std::uint8_t>(keysym - XK_a + 'A');
    if (keysym >= XK_A && keysym <= XK_Z) return static_cast<std::uint8_t>(keysym);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return static_cast<std::uint8_t>(0x60 + keysym - XK_KP_0);
    if (keysym >= XK_F1 && keysym <= XK_F24) return static_cast<std::uint8_t>(0x70 + keysym - XK_F1);
    for (const auto& [code, named] : kNamedKeys) {
        if (named == keysym) return code;
    }
    return kVirtualKeyOther;
}

std::vector<KeySym> KeysymsOfChar(unsigned char ch) {
    switch (ch) {
        case 0x08:
            return {XK_BackSpace};
        case 0x09:
            return {XK_Tab};
        case 0x0a:
            return {XK_Linefeed};
        case 0x0d:
            return {XK_Return};
        case 0x1b:
            return {XK_Escape};
        case 0x7f:
            return {XK_Delete};
        default:
            break;
    }
    if ((ch >= 0x20 && ch < 0x7f) || ch >= 0xa0) return {ch};
    if (ch >= 0x80 && ch < 0xa0) {
        const KeySym named = kUpperControlRange[ch - 0x80];
        const std::uint32_t codePoint = kUpperControlCodePoints[ch - 0x80];
        if (codePoint == 0) return {};
        std::vector<KeySym> keysyms{named};
        if (named != 0x1000000 + codePoint) keysyms.push_back(0x1000000 + codePoint);
        return keysyms;
    }
    return {};
}

}  // namespace keystrip::x11
