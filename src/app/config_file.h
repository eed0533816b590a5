// The configuration file: finding it, and the reader through which every value is read.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace keystrip {

// The configuration reader. It holds only the file's path: every read and write
// goes to the file through the platform's private-profile service, so nothing is
// cached and no file is kept open.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The value, cut to 1023 bytes; the default when the file, section or key is missing.
    std::string ReadTextValue(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const;
    // The value in the integer syntax; the default when missing or malformed.
    std::int32_t ReadIntValue(const std::string& section, const std::string& key,
                              std::int32_t defaultValue) const;
    // An integer, 0 false and any other number true; the default when missing or malformed.
    bool ReadBoolValue(const std::string& section, const std::string& key, bool defaultValue) const;

    // Writes through the platform; raises KeystripError "Unable to write to <path>" on failure.
    void WriteTextValue(const std::string& section, const std::string& key, const std::string& value) const;
    void WriteIntValue(const std::string& section, const std::string& key, std::int32_t value) const;
    void WriteBoolValue(const std::string& section, const std::string& key, bool value) const;

private:
    std::string fileName_;
};

// The integer syntax of configuration values: optional leading spaces, then a
// signed decimal number or hexadecimal digits after "$", "0x", "0X", "x" or "X"
// (a 32-bit pattern). The whole text must be consumed. False when malformed.
bool ParseIntValue(std::string_view text, std::int32_t& value);

// The reader for the configuration named on the command line, found by the
// search rules; null when there is no such file.
std::unique_ptr<TIniFile> LocateConfigFile(const std::string& name);

// The one configuration reader of the process: null until start-up finds the
// file, then never replaced or freed.
extern TIniFile* ConfigFile;

// The application title: "Keystrip" until start-up reads key Title.
extern std::string AppTitle;

}  // namespace keystrip
