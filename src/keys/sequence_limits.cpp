#include "keys/sequence_limits.h"

#include <algorithm>

#include "platform/platform.h"

namespace keystrip {
namespace {

std::int32_t remainingWorkUnits = kSequenceWorkUnits;
std::uint32_t remainingPauseMilliseconds = kMaxSequencePauseMilliseconds;

}  // namespace

void StartSequenceLimits() {
    remainingWorkUnits = kSequenceWorkUnits;
    remainingPauseMilliseconds = kMaxSequencePauseMilliseconds;
}

bool TakeWorkUnit() {
    if (remainingWorkUnits == 0) return false;
    --remainingWorkUnits;
    return true;
}

void LimitedPause(std::uint32_t milliseconds) {
    const std::uint32_t granted = std::min({milliseconds, kMaxPauseMilliseconds, remainingPauseMilliseconds});
    remainingPauseMilliseconds -= granted;
    ThePlatform().system->Pause(granted);
}

}  // namespace keystrip
