#include "platform/profile/profile_text.h"

#include <cstddef>

namespace keystrip::profile {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// One line of the text: [begin, end) without its line break, next = start of the following line.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

Line LineAt(std::string_view text, std::size_t pos) {
    std::size_t lf = text.find('\n', pos);
    std::size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
    if (end > pos && text[end - 1] == '\r') --end;
    return {pos, end, next};
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    std::string_view name = close == std::string_view::npos ? t.substr(1) : t.substr(1, close - 1);
    return Trim(name);
}

// Splits a "key=value" line; nullopt for comments and lines without "=".
struct KeyLine {
    std::string_view key;
    std::size_t valueBegin;  // offset in the line
    std::size_t valueEnd;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    KeyLine k{Trim(line.substr(0, eq)), eq + 1, line.size()};
    while (k.valueBegin < k.valueEnd && IsBlank(line[k.valueBegin])) ++k.valueBegin;
    while (k.valueEnd > k.valueBegin && (IsBlank(line[k.valueEnd - 1]) || line[k.valueEnd - 1] == '\r')) --k.valueEnd;
    return k;
}

std::string Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

struct Location {
    bool sectionFound = false;
    std::size_t sectionEnd = 0;  // where a new key goes: after the section's last non-blank line
    bool keyFound = false;
    std::size_t valueBegin = 0;  // absolute offsets of the key's value
    std::size_t valueEnd = 0;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location loc;
    bool inSection = false;
    for (std::size_t pos = 0; pos < text.size();) {
        Line line = LineAt(text, pos);
        std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (auto name = SectionName(content)) {
            if (inSection) return loc;  // the first matching section wins
            inSection = SameName(*name, section);
            if (inSection) {
                loc.sectionFound = true;
                loc.sectionEnd = line.next;
            }
        } else if (inSection) {
            if (!Trim(content).empty()) loc.sectionEnd = line.next;
            if (auto k = SplitKeyLine(content); k && SameName(k->key, key)) {
                loc.keyFound = true;
                loc.valueBegin = line.begin + k->valueBegin;
                loc.valueEnd = line.begin + k->valueEnd;
                return loc;
            }
        }
        pos = line.next;
    }
    return loc;
}

// The line break the text already uses, so added lines match it.
std::string_view LineBreakOf(std::string_view text) {
    std::size_t lf = text.find('\n');
    return (lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r') ? "\r\n" : "\n";
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key) {
    Location loc = Locate(text, section, key);
    if (!loc.keyFound) return std::nullopt;
    return Unquote(text.substr(loc.valueBegin, loc.valueEnd - loc.valueBegin));
}

std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    Location loc = Locate(text, section, key);
    std::string out;
    if (loc.keyFound) {
        out.append(text.substr(0, loc.valueBegin));
        out.append(value);
        out.append(text.substr(loc.valueEnd));
        return out;
    }
    std::string_view br = LineBreakOf(text);
    std::string keyLine = std::string(key) + "=" + std::string(value) + std::string(br);
    if (loc.sectionFound) {
        std::size_t at = loc.sectionEnd;
        out.append(text.substr(0, at));
        if (at > 0 && text[at - 1] != '\n') out.append(br);  // last line had no break
        out.append(keyLine);
        out.append(text.substr(at));
        return out;
    }
    out.append(text);
    if (!out.empty() && out.back() != '\n') out.append(br);
    out.append("[").append(section).append("]").append(br);
    out.append(keyLine);
    return out;
}

}  // namespace keystrip::profile
