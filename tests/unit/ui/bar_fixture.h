// A bar over the recording platform: the configuration file lives in the
// platform's memory, and the process-wide values start as at process start.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/config_file.h"
#include "keys/push_keys.h"
#include "platform/recording/recording_platform.h"
#include "target/button_records.h"
#include "ui/main_form.h"

namespace keystrip {

class BarTest : public ::testing::Test {
protected:
    static constexpr char kPath[] = "C:\\bars\\bar.ini";

    void SetUp() override {
        ResetProcessValues();
        InstallPlatform(p.Services());
    }

    void TearDown() override {
        ResetProcessValues();
        InstallPlatform(Platform{});
    }

    // The configuration file, and the reader that start-up would have made for it.
    void UseConfig(const std::string& text) {
        p.files[kPath] = text;
        config_ = std::make_unique<TIniFile>(kPath);
        ConfigFile = config_.get();
    }

    std::string File() { return p.files[kPath]; }

    // The trace's lines, without their line ends.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(p.Trace());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    // The trace's lines that begin with one of the prefixes, in order.
    std::string TraceLines(const std::vector<std::string>& prefixes) const {
        std::string kept;
        for (const std::string& line : Lines())
            for (const std::string& prefix : prefixes)
                if (line.rfind(prefix, 0) == 0) {
                    kept += line + "\n";
                    break;
                }
        return kept;
    }

    // The trace from the first line that begins with from up to, not including,
    // the next line that begins with to (to the end when to is empty).
    std::string TraceBetween(const std::string& from, const std::string& to) const {
        std::string kept;
        bool inside = false;
        for (const std::string& line : Lines()) {
            if (inside && !to.empty() && line.rfind(to, 0) == 0) break;
            if (!inside && line.rfind(from, 0) == 0) inside = true;
            if (inside) kept += line + "\n";
        }
        return kept;
    }

    // The writes of one save on the default screen (1024 by 768, 96 pixels per
    // inch, a sizing frame of 4) of a bar in its normal state at normalRect.
    static std::string SaveWrites(const std::string& normalRect) {
        std::string writes;
        for (const char* entry : {"Flags=0", "ShowCmd=1", "PixelsPerInch=96",
                                  "MinMaxPos(1024x768)=-1,-1,-4,-4", "MinMaxPos=-1,-1,-4,-4"})
            writes += std::string("write C:\\bars\\bar.ini [TKeystripMainForm] ") + entry + "\n";
        for (const char* key : {"NormPos(1024x768)=", "NormPos="})
            writes += std::string("write C:\\bars\\bar.ini [TKeystripMainForm] ") + key + normalRect + "\n";
        return writes + "write C:\\bars\\bar.ini [TKeystripMainForm] Visible=0\n";
    }

    recording::RecordingPlatform p;

private:
    static void ResetProcessValues() {
        AppTitle = "Keystrip";
        ConfigFile = nullptr;
        Buttons.clear();
        ButtonCount = 0;
        ButtonWidth = 0;
        ButtonHeight = 0;
        CutAndPasteMode = false;
        KeyDelay = 0;
        ShiftLatched = CtrlLatched = AltLatched = 0;
    }

    std::unique_ptr<TIniFile> config_;
};

}  // namespace keystrip
