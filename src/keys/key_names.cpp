#include "keys/key_names.h"

#include <array>
#include <cstddef>

namespace keystrip {
namespace {

using enum KeyNameAction;

// Tested in this order. The character tokens are fixed sets, whatever the
// layout: the shifted ones are characters the German layout types with Shift,
// and the unshifted ones let a sequence name its own operator characters.
constexpr KeyName kKeyNames[] = {
    {"BACKSPACE", TapVirtualKey, 0x08},
    {"BS", TapVirtualKey, 0x08},
    {"BKSP", TapVirtualKey, 0x08},
    {"BELL", TapVirtualKey, 0x07},  // a key event only, no sound
    {"BREAK", TapVirtualKey, 0x03},
    {"CAPSLOCK", TapVirtualKey, 0x14},
    {"CAPS", TapVirtualKey, 0x14},
    {"DELETE", TapVirtualKey, 0x2E},
    {"DEL", TapVirtualKey, 0x2E},
    {"DOWN", TapVirtualKey, 0x28},
    {"END", TapVirtualKey, 0x23},
    {"ENTER", TapVirtualKey, 0x0D},
    {"RETURN", TapVirtualKey, 0x0D},
    {"ESCAPE", TapVirtualKey, 0x1B},
    {"ESC", TapVirtualKey, 0x1B},
    {"FF", TapVirtualKey, 0x0C},
    {"HELP", TapVirtualKey, 0x2F},
    {"HOME", TapVirtualKey, 0x24},
    {"INSERT", TapVirtualKey, 0x2D},
    {"INS", TapVirtualKey, 0x2D},
    {"LEFT", TapVirtualKey, 0x25},
    {"LINEFEED", TapVirtualKey, 0x0A},
    {"LF", TapVirtualKey, 0x0A},
    {"NEWLINE", TapNewlinePair, 0},
    {"NL", TapNewlinePair, 0},
    {"NUMLOCK", TapVirtualKey, 0x90},
    {"PGDN", TapVirtualKey, 0x22},
    {"PAGEDOWN", TapVirtualKey, 0x22},
    {"NEXT", TapVirtualKey, 0x22},
    {"PGUP", TapVirtualKey, 0x21},
    {"PAGEUP", TapVirtualKey, 0x21},
    {"PRIOR", TapVirtualKey, 0x21},
    {"PRINTSCREEN", TapVirtualKey, 0x2A},  // the print key, not the snapshot key 0x2C
    {"PRTSC", TapVirtualKey, 0x2A},
    {"RIGHT", TapVirtualKey, 0x27},
    {"SCROLLLOCK", TapVirtualKey, 0x91},
    {"SCRLK", TapVirtualKey, 0x91},
    {"TAB", TapVirtualKey, 0x09},
    {"UP", TapVirtualKey, 0x26},
    {"SLEEP", Pause, 0},
    {"EMPTYCLIPBOARD", EmptyClipboard, 0},
    {"EMPTYCLIP", EmptyClipboard, 0},
    {"RUN", RunCommand, 0},
    {"F1", TapVirtualKey, 0x70},
    {"F2", TapVirtualKey, 0x71},
    {"F3", TapVirtualKey, 0x72},
    {"F4", TapVirtualKey, 0x73},
    {"F5", TapVirtualKey, 0x74},
    {"F6", TapVirtualKey, 0x75},
    {"F7", TapVirtualKey, 0x76},
    {"F8", TapVirtualKey, 0x77},
    {"F9", TapVirtualKey, 0x78},
    {"F10", TapVirtualKey, 0x79},
    {"F11", TapVirtualKey, 0x7A},
    {"F12", TapVirtualKey, 0x7B},
    {"F13", TapVirtualKey, 0x7C},
    {"F14", TapVirtualKey, 0x7D},
    {"F15", TapVirtualKey, 0x7E},
    {"F16", TapVirtualKey, 0x7F},
    {"F17", TapVirtualKey, 0x80},
    {"F18", TapVirtualKey, 0x81},
    {"F19", TapVirtualKey, 0x82},
    {"F20", TapVirtualKey, 0x83},
    {"F21", TapVirtualKey, 0x84},
    {"F22", TapVirtualKey, 0x85},
    {"F23", TapVirtualKey, 0x86},
    {"F24", TapVirtualKey, 0x87},
    {"NUMPAD0", TapVirtualKey, 0x60},
    {"NUMPAD1", TapVirtualKey, 0x61},
    {"NUMPAD2", TapVirtualKey, 0x62},
    {"NUMPAD3", TapVirtualKey, 0x63},
    {"NUMPAD4", TapVirtualKey, 0x64},
    {"NUMPAD5", TapVirtualKey, 0x65},
    {"NUMPAD6", TapVirtualKey, 0x66},
    {"NUMPAD7", TapVirtualKey, 0x67},
    {"NUMPAD8", TapVirtualKey, 0x68},
    {"NUMPAD9", TapVirtualKey, 0x69},
    {"NUMPADMULTIPLY", TapVirtualKey, 0x6A},
    {"NUMPAD*", TapVirtualKey, 0x6A},
    {"NUMPADADD", TapVirtualKey, 0x6B},
    {"NUMPAD+", TapVirtualKey, 0x6B},
    {"NUMPADSUBTRACT", TapVirtualKey, 0x6D},
    {"NUMPAD-", TapVirtualKey, 0x6D},
    {"NUMPADDECIMAL", TapVirtualKey, 0x6E},
    {"NUMPAD.", TapVirtualKey, 0x6E},
    {"NUMPADDIVIDE", TapVirtualKey, 0x6F},
    {"NUMPAD/", TapVirtualKey, 0x6F},
    {">", ShiftedChar, '>'},
    {";", ShiftedChar, ';'},
    {":", ShiftedChar, ':'},
    {"_", ShiftedChar, '_'},
    {"'", ShiftedChar, '\''},
    {"*", ShiftedChar, '*'},
    {"?", ShiftedChar, '?'},
    {"=", ShiftedChar, '='},
    {")", ShiftedChar, ')'},
    {"(", ShiftedChar, '('},
    {"/", ShiftedChar, '/'},
    {"&", ShiftedChar, '&'},
    {"%", ShiftedChar, '%'},
    {"$", ShiftedChar, '$'},
    {"\xA7", ShiftedChar, 0xA7},  // section sign
    {"!", ShiftedChar, '!'},
    {"\"", ShiftedChar, '"'},
    {"\xB0", ShiftedChar, 0xB0},  // degree sign
    {"+", UnshiftedChar, '+'},
    {"}", UnshiftedChar, '}'},
    {"{", UnshiftedChar, '{'},
    {"^", UnshiftedChar, '^'},
    {"~", UnshiftedChar, '~'},
};

char ToCapital(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

bool SameAsCapitals(std::string_view name, std::string_view capitals) {
    if (name.size() != capitals.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (ToCapital(name[i]) != capitals[i]) return false;
    return true;
}

}  // namespace

const KeyName* FindKeyName(std::string_view name) {
    for (const KeyName& entry : kKeyNames) {
        if (entry.action == RunCommand ? SameAsCapitals(name.substr(0, entry.name.size()), entry.name)
                                       : SameAsCapitals(name, entry.name))
            return &entry;
    }
    return nullptr;
}

}  // namespace keystrip
