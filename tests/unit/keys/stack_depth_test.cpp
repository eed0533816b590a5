// The deepest sequences must run to the end on the 32-bit Windows program's
// 1 MiB main-thread stack. Each level of nesting keeps one 1024-byte group
// buffer; everything else a level keeps must stay small. The stack below this
// test is painted with a pattern before a sequence runs and read back after it,
// so the figure includes frames that make no platform call.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "keys_fixture.h"

namespace keystrip {
namespace {

constexpr std::size_t kPaintedBytes = 1536 * 1024;
constexpr unsigned char kPaint = 0xa5;

// Paints the bytes below the caller's frame; returns the lowest painted address.
[[gnu::noinline]] std::uintptr_t PaintStack() {
    volatile unsigned char area[kPaintedBytes];
    for (std::size_t i = 0; i < kPaintedBytes; ++i) area[i] = kPaint;
    return reinterpret_cast<std::uintptr_t>(&area[0]);
}

// How far below the painted area's top the deepest write went.
[[gnu::noinline, gnu::no_sanitize_address]] std::size_t DeepestUse(std::uintptr_t lowest) {
    const auto* bytes = reinterpret_cast<const volatile unsigned char*>(lowest);
    std::size_t untouched = 0;
    while (untouched < kPaintedBytes && bytes[untouched] == kPaint) ++untouched;
    return kPaintedBytes - untouched;
}

#if defined(__SANITIZE_ADDRESS__)
// Unoptimised frames with their guard zones: only that the sequences end is checked.
constexpr std::size_t kAllowedBytes = kPaintedBytes - 64 * 1024;
#else
// Leaves a quarter of 1 MiB to the bar's own frames beneath the driver.
constexpr std::size_t kAllowedBytes = 768 * 1024;
#endif

class StackDepth : public KeysTest {
protected:
    // Runs keys on a freshly painted stack; returns the bytes it used.
    std::size_t PeakUse(const std::string& keys) {
        platform.ClearTrace();
        const std::uintptr_t lowest = PaintStack();
        PushKeys(keys.c_str());
        return DeepestUse(lowest);
    }
};

std::string Times(const std::string& piece, std::size_t times) {
    std::string text;
    while (times-- > 0) text += piece;
    return text;
}

// Key events of one virtual key, pressed and released, as a balance.
int Balance(const std::string& trace, const std::string& vk) {
    int balance = 0;
    for (std::size_t at = 0; at < trace.size(); at = trace.find('\n', at) + 1) {
        if (trace.compare(at, 5 + vk.size(), "down " + vk) == 0) ++balance;
        if (trace.compare(at, 3 + vk.size(), "up " + vk) == 0) --balance;
    }
    return balance;
}

TEST_F(StackDepth, TheDeepestSequencesRunToTheEndInLittleStack) {
    const std::string a = Tap('a');
    struct Case {
        const char* name;
        std::string keys;
        std::string trace;  // empty: only that every modifier pressed is released
    } cases[] = {
        // Driver and brace-token levels interleaved: each token hands all but
        // its last character back to the driver, until "{" is a name.
        {"1023 x {", Times("{", 1023), Times(P, 511) + Tap('{')},
        {"1022 x { and a", Times("{", 1022) + "a", Times(P, 511) + Tap('{')},
        {"511 x +( and a", Times("+(", 511) + "a", Times(P + ShiftDown, 511) + P + a + Times(ShiftUp, 511)},
        {"511 x +{ and a", Times("+{", 511) + "a", Times(P + ShiftDown, 511) + P + a + Times(ShiftUp, 511)},
        {"341 x +({", Times("+({", 341), ""},
        {"341 x {+{", Times("{+{", 341), ""},
        {"255 x {+({", Times("{+({", 255) + "abc", ""},
        {"204 x ^({%{", Times("^({%{", 204) + "abc", ""},
    };
    std::size_t worst = 0;
    const char* worstName = "";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.keys.size(), 1023u);
        const std::size_t used = PeakUse(c.keys);
        const std::string& trace = platform.Trace();
        if (!c.trace.empty()) {
            EXPECT_EQ(trace, c.trace);
        }
        for (const char* vk : {"0x10", "0x11", "0x12"}) EXPECT_EQ(Balance(trace, vk), 0) << vk;
        EXPECT_LE(used, kAllowedBytes);
        std::printf("[ stack    ] %-16s %7zu bytes\n", c.name, used);
        if (used > worst) {
            worst = used;
            worstName = c.name;
        }
    }
    RecordProperty("PeakStackBytes", static_cast<int>(worst));
    RecordProperty("PeakStackSequence", worstName);
}

}  // namespace
}  // namespace keystrip
