// The font of a button's caption and its one-line text form, the font
// specification "Face,Size,Style,Pitch,Colour,0" of key Font.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/font_colors.h"

namespace keystrip {

class TIniFile;

// The style set of a font.
struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

// Pitch values: 0 default, 1 variable, 2 fixed. Any other value is kept as it is.
using TFontPitch = std::int32_t;

// A font as the platform's font object holds it: face name, size in points,
// style set, pitch and colour, with one change notification. A newly made font
// is the platform's default font, MS Sans Serif,8,,0,clWindowText,0.
class TFont {
public:
    // The longest face name a font holds; longer names are cut.
    static constexpr std::size_t kMaxNameLength = 31;

    const std::string& Name() const { return name_; }
    std::int32_t Size() const { return size_; }
    TFontStyles Style() const { return style_; }
    TFontPitch Pitch() const { return pitch_; }
    TColor Color() const { return color_; }

    // Each setter raises the change notification when the value changes.
    void SetName(std::string_view name);
    void SetSize(std::int32_t size);
    void SetStyle(TFontStyles style);
    void SetPitch(TFontPitch pitch);
    void SetColor(TColor color);

    // The change notification: runs the handler, if any.
    void Changed();

    // The one change notification handler.
    std::function<void()> OnChange;

    // Equal fonts have equal values; the handler is not compared.
    friend bool operator==(const TFont& a, const TFont& b) {
        return a.name_ == b.name_ && a.size_ == b.size_ && a.style_ == b.style_ && a.pitch_ == b.pitch_ &&
               a.color_ == b.color_;
    }

private:
    std::string name_ = "MS Sans Serif";
    std::int32_t size_ = 8;
    TFontStyles style_;
    TFontPitch pitch_ = 0;
    TColor color_ = clWindowText;
};

// The specification of the font: six fields, "%s,%d,%s,%d,%s,%d".
std::string FontSpecOf(const TFont& font);

// The letters of the style set, in the order B, I, U, S.
std::string StyleLetters(TFontStyles style);

// The field of text that starts at position (1-based), up to the next "," or ";"
// or the end. Position moves just past the delimiter, or one past the end.
std::string NextField(std::string_view text, std::size_t& position);

// Bold for a B anywhere in the text, italic for I, underline for U, strike-out
// for S, in either letter case; every other character is ignored.
TFontStyles ParseStyleLetters(std::string_view text);

// Applies a specification field by field; fields that are missing leave their
// part of the font alone. The handler is detached meanwhile, and the font then
// raises exactly one change notification, also when a field fails. Throws
// KeystripError for a colour field that is neither a colour name nor a number;
// the fields before it stay applied.
void ApplyFontSpec(std::string_view text, TFont& font);

// Applies the value of a Font key: as ApplyFontSpec, but an error is swallowed
// and leaves what was applied before it.
void ApplyFontKeyValue(std::string_view text, TFont& font);

// Reads key Font of a section into the font (a missing key applies the font's own
// specification to it). Every error is swallowed. Returns the same font.
TFont& ReadFontKey(const TIniFile& config, const std::string& section, const std::string& key, TFont& font);

}  // namespace keystrip
