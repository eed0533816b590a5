// The key-sequence driver: reads a key sequence item by item and types it
// through the keyboard primitives and the brace-token handler.
#pragma once

#include <cstddef>
#include <cstdint>

namespace keystrip {

// Milliseconds of pause before every item of a sequence; set once from the
// configuration, 0 until then.
extern std::int32_t KeyDelay;

// 1 while a modifier group holds its modifier key down, 0 otherwise.
extern std::int32_t ShiftLatched;
extern std::int32_t CtrlLatched;
extern std::int32_t AltLatched;

// Types the NUL-terminated key sequence keys (null allowed) into the focused
// window and returns when the last event has been sent.
void PushKeys(const char* keys);

// Appends ch to the NUL-terminated string in buffer and returns buffer; a NUL
// adds nothing. The caller guarantees the space.
char* AppendChar(char* buffer, char ch);

// The nested form used by the brace-token handler: types the first length
// characters of keys (length < 1024) as a sequence of its own, within the work
// of the sequence that PushKeys is typing.
void PushKeysText(const char* keys, std::size_t length);

}  // namespace keystrip
