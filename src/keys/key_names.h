// The names a brace token can give, as in «{ENTER}», «{F5 2}» or «{SLEEP 1.5}».
#pragma once

#include <cstdint>
#include <string_view>

namespace keystrip {

enum class KeyNameAction {
    TapVirtualKey,   // code: the virtual-key code
    TapNewlinePair,  // 0x0D, then 0x0A
    Pause,
    EmptyClipboard,
    RunCommand,
    ShiftedChar,    // code: the character, typed with TypeShiftedChar
    UnshiftedChar,  // code: the character, typed with TypeUnshiftedChar
};

struct KeyName {
    std::string_view name;  // in capitals
    KeyNameAction action;
    std::uint8_t code;
};

// The first entry, in table order, that the name matches over its whole length
// with only "a" to "z" read as capitals; any name beginning with "RUN" is the
// run command. Null when there is none.
const KeyName* FindKeyName(std::string_view name);

}  // namespace keystrip
