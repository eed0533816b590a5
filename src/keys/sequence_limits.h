// Bounds on what one key sequence may cost, so that every click ends soon.
//
// The bar processes no messages while it types, so a long pause or a flood of
// repetitions freezes it. Repeat counts multiply through the brace-token
// fallback (a token's text may hold another counted token), so a cap per token
// would still let a 1023-character sequence ask for astronomically many events;
// the work is therefore counted for the sequence as a whole.
#pragma once

#include <cstdint>

namespace keystrip {

// The longest single pause: a wait in a sequence is for a program to start or
// a window to appear, which takes seconds; a minute is generous. Larger token
// pauses and delays (up to the 49 days that a 32-bit count allows, or without
// end for all ones) are cut to this.
constexpr std::uint32_t kMaxPauseMilliseconds = 60'000;

// The total of all pauses of one sequence. Past it, pauses are made with 0 ms:
// the keys are still typed, only no longer paced.
constexpr std::uint32_t kMaxSequencePauseMilliseconds = 600'000;

// Work units of one sequence: one for every item the driver starts and one for
// every repetition of a token's action. A sequence without repeat counts needs
// at most about 1600 (each character is in one leaf item; at most 512 levels);
// each unit sends at most 4 key events. When the units run out, no further item
// or repetition starts: what is under way finishes, so every modifier pressed
// is released.
constexpr std::int32_t kSequenceWorkUnits = 10'000;

// Gives the sequence that PushKeys starts a fresh allowance.
void StartSequenceLimits();

// Takes one unit of work; false, taking nothing, when the sequence has used them all.
bool TakeWorkUnit();

// Pauses for the requested milliseconds, cut to the limits above.
void LimitedPause(std::uint32_t milliseconds);

}  // namespace keystrip
