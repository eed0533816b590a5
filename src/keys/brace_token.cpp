#include "keys/brace_token.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "keys/key_names.h"
#include "keys/key_primitives.h"
#include "keys/push_keys.h"
#include "keys/sequence_limits.h"
#include "keys/token_numbers.h"
#include "platform/platform.h"

namespace keystrip {
namespace {

// A token split into its parts. The parts are views of the token itself, not
// copies: the handler and the driver call each other once per level of nesting,
// and the driver's group buffer is the only large thing a level keeps.
struct SplitToken {
    std::string_view name;     // up to the last space; the whole token without one
    std::string_view command;  // after the first space; empty without one
    std::int32_t count = 1;
    double real = 1.0;
};

SplitToken Split(std::string_view token) {
    SplitToken split;
    split.name = token;
    const std::size_t firstSpace = token.find(' ');
    if (firstSpace != std::string_view::npos) split.command = token.substr(firstSpace + 1);
    const std::size_t lastSpace = token.rfind(' ');
    if (lastSpace != std::string_view::npos) {
        split.name = token.substr(0, lastSpace);
        const std::string_view word = token.substr(lastSpace + 1);
        split.count = ReadRepeatCount(word);
        split.real = ReadRealArgument(word);
    }
    return split;
}

// The real argument as whole milliseconds, truncated toward zero.
std::uint32_t PauseMilliseconds(double seconds) {
    const double milliseconds = std::trunc(seconds * 1000.0);
    // Everything from the largest 32-bit count up (infinity included) is cut to
    // the longest pause anyway; the comparison keeps the conversion defined.
    if (milliseconds >= 4294967295.0) return 0xffffffffu;
    return static_cast<std::uint32_t>(milliseconds);
}

void EmptyTheClipboard() {
    SystemService& system = *ThePlatform().system;
    if (!system.OpenClipboard()) return;
    system.EmptyClipboard();
    system.CloseClipboard();
}

// Apart from the rest, so that the command's string lives in a frame of its own
// and not in every level of a deeply nested sequence.
[[gnu::noinline]] void RunCommand(std::string_view command) {
    SystemService& system = *ThePlatform().system;
    if (!system.LaunchCommand(std::string(command))) system.BeepExclamation();
}

}  // namespace

void PushBraceToken(const char* text) {
    const SplitToken token = Split(text);
    const KeyName* entry = FindKeyName(token.name);
    if (entry == nullptr) {
        for (std::int32_t r = 0; r < token.count && TakeWorkUnit(); ++r)
            PushKeysText(token.name.data(), token.name.size());
        return;
    }
    switch (entry->action) {
        case KeyNameAction::TapVirtualKey: {
            const std::uint32_t scan = ThePlatform().keyboard->ScanCodeOfVirtualKey(entry->code);
            for (std::int32_t r = 0; r < token.count && TakeWorkUnit(); ++r) TapKey(entry->code, scan);
            break;
        }
        case KeyNameAction::TapNewlinePair: {
            KeyboardService& keyboard = *ThePlatform().keyboard;
            for (std::int32_t r = 0; r < token.count && TakeWorkUnit(); ++r) {
                TapKey(0x0D, keyboard.ScanCodeOfVirtualKey(0x0D));
                TapKey(0x0A, keyboard.ScanCodeOfVirtualKey(0x0A));
            }
            break;
        }
        case KeyNameAction::Pause:
            LimitedPause(PauseMilliseconds(token.real));
            break;
        case KeyNameAction::EmptyClipboard:
            EmptyTheClipboard();
            break;
        case KeyNameAction::RunCommand:
            RunCommand(token.command);
            break;
        case KeyNameAction::ShiftedChar:
            for (std::int32_t r = 0; r < token.count && TakeWorkUnit(); ++r)
                TypeShiftedChar(static_cast<char>(entry->code));
            break;
        case KeyNameAction::UnshiftedChar:
            for (std::int32_t r = 0; r < token.count && TakeWorkUnit(); ++r)
                TypeUnshiftedChar(static_cast<char>(entry->code));
            break;
    }
}

}  // namespace keystrip
