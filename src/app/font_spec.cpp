#include "app/font_spec.h"

#include <utility>

#include "app/config_file.h"

namespace keystrip {
namespace {

// Blanks and control characters around a field do not count.
std::string_view TrimBelow33(std::string_view text) {
    auto outside = [](char c) { return static_cast<unsigned char>(c) < 33; };
    while (!text.empty() && outside(text.front())) text.remove_prefix(1);
    while (!text.empty() && outside(text.back())) text.remove_suffix(1);
    return text;
}

std::int32_t IntegerOr(std::string_view text, std::int32_t current) {
    std::int32_t value = current;
    return ParseIntValue(text, value) ? value : current;
}

void ApplyField(int number, std::string_view field, TFont& font) {
    switch (number) {
        case 1:
            if (!field.empty()) font.SetName(field);
            break;
        case 2:
            font.SetSize(IntegerOr(field, font.Size()));
            break;
        case 3:
            font.SetStyle(ParseStyleLetters(field));
            break;
        case 4:
            font.SetPitch(IntegerOr(field, font.Pitch()));
            break;
        case 5:
            font.SetColor(TextToColor(field));
            break;
        default:  // read and ignored
            break;
    }
}

}  // namespace

void TFont::SetName(std::string_view name) {
    name = name.substr(0, kMaxNameLength);
    if (name_ == name) return;
    name_ = name;
    Changed();
}

void TFont::SetSize(std::int32_t size) {
    if (size_ == size) return;
    size_ = size;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style_ == style) return;
    style_ = style;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch_ == pitch) return;
    pitch_ = pitch;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    Changed();
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

std::string StyleLetters(TFontStyles style) {
    std::string letters;
    if (style.Bold) letters += 'B';
    if (style.Italic) letters += 'I';
    if (style.Underline) letters += 'U';
    if (style.StrikeOut) letters += 'S';
    return letters;
}

std::string FontSpecOf(const TFont& font) {
    return font.Name() + "," + std::to_string(font.Size()) + "," + StyleLetters(font.Style()) + "," +
           std::to_string(font.Pitch()) + "," + ColorToText(font.Color()) + ",0";
}

std::string NextField(std::string_view text, std::size_t& position) {
    const std::size_t start = position - 1;
    std::size_t end = start;
    while (end < text.size() && text[end] != ',' && text[end] != ';') ++end;
    position = end < text.size() ? end + 2 : end + 1;  // just after the delimiter, or one past the end
    return std::string(text.substr(start, end - start));
}

TFontStyles ParseStyleLetters(std::string_view text) {
    TFontStyles style;
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c == 'B') style.Bold = true;
        if (c == 'I') style.Italic = true;
        if (c == 'U') style.Underline = true;
        if (c == 'S') style.StrikeOut = true;
    }
    return style;
}

void ApplyFontSpec(std::string_view text, TFont& font) {
    std::function<void()> handler = std::move(font.OnChange);
    font.OnChange = nullptr;
    try {
        int number = 0;
        for (std::size_t position = 1; position <= text.size();) {
            const std::string field = NextField(text, position);
            ApplyField(++number, TrimBelow33(field), font);
        }
    } catch (...) {
        font.OnChange = std::move(handler);
        font.Changed();
        throw;
    }
    font.OnChange = std::move(handler);
    font.Changed();
}

void ApplyFontKeyValue(std::string_view text, TFont& font) {
    try {
        ApplyFontSpec(text, font);
    } catch (...) {
        // A bad Font value leaves what was applied before the error, without a word.
    }
}

TFont& ReadFontKey(const TIniFile& config, const std::string& section, const std::string& key, TFont& font) {
    // Reading never fails: a missing key gives the font's own specification.
    ApplyFontKeyValue(config.ReadTextValue(section, key, FontSpecOf(font)), font);
    return font;
}

}  // namespace keystrip
