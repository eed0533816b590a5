#include "keys/push_keys.h"

#include <cstdio>
#include <cstring>

#include "keys/brace_token.h"
#include "keys/key_primitives.h"
#include "keys/sequence_limits.h"

namespace keystrip {

std::int32_t KeyDelay = 0;
std::int32_t ShiftLatched = 0;
std::int32_t CtrlLatched = 0;
std::int32_t AltLatched = 0;

namespace {

// Sequences of this length or more are refused; a group's text, a part of an
// accepted sequence, always fits a buffer of this size with its terminator.
constexpr std::size_t kGroupBufferSize = 1024;

struct Modifier {
    std::uint8_t virtualKey;
    std::int32_t* latch;
};

Modifier ModifierOfPrefix(char prefix) {
    switch (prefix) {
        case '+':
            return {kVirtualKeyShift, &ShiftLatched};
        case '^':
            return {kVirtualKeyControl, &CtrlLatched};
        default:
            return {kVirtualKeyAlt, &AltLatched};
    }
}

void PauseBeforeItem() {
    // A negative delay would reach the system's sleep as an unsigned count of
    // weeks; it is taken as no delay. The pause of 0 is still made, as for a
    // delay of 0, so pacing stays one pause before every item.
    LimitedPause(KeyDelay < 0 ? 0u : static_cast<std::uint32_t>(KeyDelay));
}

}  // namespace

char* AppendChar(char* buffer, char ch) {
    if (ch == '\0') return buffer;
    const std::size_t length = std::strlen(buffer);
    buffer[length] = ch;
    buffer[length + 1] = '\0';
    return buffer;
}

void PushKeys(const char* keys) {
    if (keys == nullptr) {
        std::fputs("Error in PushKeys(): null pointer.\n", stderr);
        return;
    }
    const std::size_t length = std::strlen(keys);
    if (length >= kGroupBufferSize) {
        std::fputs("Error in PushKeys(): string too long.\n", stderr);
        return;
    }
    StartSequenceLimits();
    PushKeysText(keys, length);
}

void PushKeysText(const char* keys, std::size_t n) {
    ShiftLatched = 0;
    CtrlLatched = 0;
    AltLatched = 0;

    // The text of the group or token being read; appending at its end keeps
    // each AppendChar constant in time.
    char group[kGroupBufferSize];
    char* groupEnd = group;
    auto startGroup = [&] {
        group[0] = '\0';
        groupEnd = group;
    };
    auto appendToGroup = [&](char ch) {
        AppendChar(groupEnd, ch);
        if (ch != '\0') ++groupEnd;
    };
    // Position n holds the terminator, also when keys is a part of a longer text.
    auto at = [&](std::size_t p) { return p < n ? keys[p] : '\0'; };

    std::size_t i = 0;
    while (i < n) {
        if (!TakeWorkUnit()) return;
        PauseBeforeItem();
        const char first = keys[i];
        std::size_t end = i;

        if (first == '+' || first == '^' || first == '%') {
            const Modifier modifier = ModifierOfPrefix(first);
            const char opening = at(i + 1);
            if (opening == '(' || opening == '{') {
                const char closing = opening == '(' ? ')' : '}';
                startGroup();
                std::size_t j = i + 1;
                int depth = 1;
                while (j < n && depth != 0) {
                    ++j;
                    const char ch = at(j);
                    if (ch == closing)
                        --depth;
                    else
                        appendToGroup(ch);
                    if (ch == opening) ++depth;
                }
                if (*modifier.latch == 0) {
                    PressModifierKey(modifier.virtualKey);
                    *modifier.latch = 1;
                }
                if (opening == '(')
                    PushKeysText(group, static_cast<std::size_t>(groupEnd - group));
                else
                    PushBraceToken(group);
                ReleaseModifierKey(modifier.virtualKey);
                *modifier.latch = 0;
                end = j;
            } else {
                const char ch = at(i + 1);
                if (first == '+') {
                    TypeShiftedChar(ch);
                } else {
                    if (*modifier.latch == 0) PressModifierKey(modifier.virtualKey);
                    TypeChar(ch);
                    ReleaseModifierKey(modifier.virtualKey);
                }
                end = i + 1;
            }
        } else if (first == '{') {
            startGroup();
            std::size_t j = i + 1;
            // The last character of the text is never collected, and the first
            // "}" ends the token: braces do not nest here.
            while (j + 1 < n && keys[j] != '}') {
                appendToGroup(keys[j]);
                ++j;
            }
            if (at(j) == '}' && at(j + 1) == '}') {
                TypeShiftedChar('}');
                end = j + 1;
            } else {
                PushBraceToken(group);
                end = j;
            }
        } else if (IsShiftedChar(first)) {
            TypeShiftedChar(first);
        } else if (first == '~') {
            PushBraceToken("ENTER");
        } else {
            TypeChar(first);
        }
        i = end + 1;
    }
}

}  // namespace keystrip
