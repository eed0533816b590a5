#include "app/config_file.h"

#include "app/keystrip_error.h"
#include "platform/platform.h"

namespace keystrip {

TIniFile* ConfigFile = nullptr;
std::string AppTitle = "Keystrip";

namespace {

// The read buffer of the private-profile call holds 1024 bytes with the terminator.
constexpr std::size_t kMaxValueLength = 1023;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view digits, std::int32_t& value) {
    if (digits.empty()) return false;
    std::uint32_t pattern = 0;
    for (char c : digits) {
        int digit = HexDigitValue(c);
        if (digit < 0 || (pattern >> 28) != 0) return false;  // not a digit, or more than 32 bits
        pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(pattern);
    return true;
}

bool ParseDecimal(std::string_view text, std::int32_t& value) {
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return false;
    // The magnitude may reach 2^31 for a negative number.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace

bool ParseIntValue(std::string_view text, std::int32_t& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    for (std::string_view prefix : {"$", "0x", "0X", "x", "X"})
        if (text.starts_with(prefix)) return ParseHex(text.substr(prefix.size()), value);
    return ParseDecimal(text, value);
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadTextValue(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    return ThePlatform()
        .files->ReadProfileString(section, key, defaultValue, fileName_)
        .substr(0, kMaxValueLength);
}

std::int32_t TIniFile::ReadIntValue(const std::string& section, const std::string& key,
                                    std::int32_t defaultValue) const {
    std::string text = ReadTextValue(section, key, "");
    if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) text.replace(0, 2, "$");
    std::int32_t value;
    return ParseIntValue(text, value) ? value : defaultValue;
}

bool TIniFile::ReadBoolValue(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadIntValue(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteTextValue(const std::string& section, const std::string& key,
                              const std::string& value) const {
    if (!ThePlatform().files->WriteProfileString(section, key, value, fileName_))
        throw KeystripError("Unable to write to " + fileName_);
}

void TIniFile::WriteIntValue(const std::string& section, const std::string& key, std::int32_t value) const {
    WriteTextValue(section, key, std::to_string(value));
}

void TIniFile::WriteBoolValue(const std::string& section, const std::string& key, bool value) const {
    WriteTextValue(section, key, value ? "1" : "0");
}

}  // namespace keystrip
