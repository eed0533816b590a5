#include "platform/profile/profile_text.h"

#include <cstddef>

namespace keystrip::profile {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
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
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) return {pos, text.size(), text.size()};
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    return {pos, end, next};
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = t.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// A "key=value" line: the key, and the value's offsets in the line without its blanks.
struct KeyLine {
    std::string_view key;
    std::size_t valueBegin;
    std::size_t valueEnd;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    KeyLine k{Trim(line.substr(0, eq)), eq + 1, line.size()};
    while (k.valueBegin < k.valueEnd && IsBlank(line[k.valueBegin])) ++k.valueBegin;
    while (k.valueEnd > k.valueBegin && IsBlank(line[k.valueEnd - 1])) --k.valueEnd;
    return k;
}

std::string ValueText(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v.substr(0, v.find('\0')));
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
    bool inSection = section.empty();  // lines before the first header form the section ""
    loc.sectionFound = inSection;
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
    std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos || text[at] == '\n') return "\n";
    return (at + 1 < text.size() && text[at + 1] == '\n') ? "\r\n" : "\r";
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key) {
    Location loc = Locate(text, Trim(section), Trim(key));
    if (!loc.keyFound) return std::nullopt;
    return ValueText(text.substr(loc.valueBegin, loc.valueEnd - loc.valueBegin));
}

std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    section = Trim(section);
    key = Trim(key);
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
        if (at > 0 && !IsLineBreak(text[at - 1])) out.append(br);  // the last line had no break
        out.append(keyLine);
        out.append(text.substr(at));
        return out;
    }
    out.append(text);
    if (!out.empty() && !IsLineBreak(out.back())) out.append(br);
    out.append("[").append(section).append("]").append(br);
    out.append(keyLine);
    return out;
}

}  // namespace keystrip::profile
