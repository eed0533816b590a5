// Which bytes begin a double-byte character in the code page that window
// titles and patterns are written in.
#pragma once

#include <bitset>
#include <vector>

#include "platform/platform.h"

namespace keystrip {

class LeadByteSet {
public:
    // No lead bytes: a single-byte code page, every byte one character.
    LeadByteSet() = default;
    explicit LeadByteSet(const std::vector<LeadByteRange>& ranges);

    bool Contains(unsigned char byte) const { return bytes_[byte]; }
    bool Empty() const { return bytes_.none(); }

private:
    std::bitset<256> bytes_;
};

// The lead bytes of the platform's code page. Read from the window service the
// first time they are needed and kept for the rest of the process, since the
// code page does not change while the bar runs.
const LeadByteSet& CodePageLeadBytes();

// Forgets what was read, so that the next use asks the platform again. For
// tests that switch the code page the recording platform models.
void ForgetCodePageLeadBytes();

}  // namespace keystrip
