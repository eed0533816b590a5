// The keystroke engine over the recording platform: traces as text, and the
// process-wide values reset around every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "keys/push_keys.h"
#include "keys/sequence_limits.h"
#include "platform/recording/recording_platform.h"

namespace keystrip {

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngine();
        InstallPlatform(platform.Services());
    }
    void TearDown() override {
        ResetEngine();
        InstallPlatform(Platform{});
    }

    static void ResetEngine() {
        KeyDelay = 0;
        ShiftLatched = 0;
        CtrlLatched = 0;
        AltLatched = 0;
        StartSequenceLimits();
    }

    // The trace of PushKeys(keys), on its own.
    std::string TraceOf(const char* keys) {
        platform.ClearTrace();
        PushKeys(keys);
        return platform.Trace();
    }

    // The trace of something else run against the engine, on its own.
    template <typename Action>
    std::string TraceOfAction(Action action) {
        platform.ClearTrace();
        action();
        return platform.Trace();
    }

    // The press and release of the key that types ch on the reference layout.
    std::string Tap(char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return TapKeyLines(platform.VirtualKeyOfChar(c) & 0xffu,
                           platform.ScanCodeOfOemChar(platform.AnsiToOem(c)) & 0xffu);
    }

    // The press and release of a virtual key with the reference layout's scan code.
    std::string TapVirtualKey(std::uint32_t vk) { return TapKeyLines(vk, platform.ScanCodeOfVirtualKey(vk)); }

    static std::string TapKeyLines(std::uint32_t vk, std::uint32_t scan) {
        const auto v = static_cast<std::uint8_t>(vk);
        const auto s = static_cast<std::uint8_t>(scan);
        return recording::KeyEventLine(v, s, true) + "\n" + recording::KeyEventLine(v, s, false) + "\n";
    }

    static std::string Repeat(const std::string& text, int times) {
        std::string all;
        for (int i = 0; i < times; ++i) all += text;
        return all;
    }

    // The driver's pause before an item, with no delay set.
    const std::string P = "sleep 0\n";
    const std::string ShiftDown = "down 0x10 0x2a\n";
    const std::string ShiftUp = "up 0x10 0x2a\n";
    const std::string CtrlDown = "down 0x11 0x1d\n";
    const std::string CtrlUp = "up 0x11 0x1d\n";
    const std::string AltDown = "down 0x12 0x38\n";
    const std::string AltUp = "up 0x12 0x38\n";
    // A character that the layout has no key for.
    const std::string NoKey = "down 0xff 0xff\nup 0xff 0xff\n";

    recording::RecordingPlatform platform;
};

}  // namespace keystrip
