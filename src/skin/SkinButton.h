#pragma once

#include "SkinColor.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The two languages of captions and tips (constants, so tables built before main can use them).
namespace LanguageCode {
inline constexpr char Chinese[] = "zh-CN";
inline constexpr char English[] = "en-US";
}  // namespace LanguageCode

// A rectangle in client pixels. A point is inside when left <= x < right and top <= y < bottom.
struct SkinRect {
    std::int32_t left = -1;
    std::int32_t top = -1;
    std::int32_t right = -1;
    std::int32_t bottom = -1;

    constexpr bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

// One painted button or text label of a skinned window: a rectangle over the face with its
// captions and tips in both languages and its state. Plain data; the window's buttonTable is
// an array of these, in drawing and click-scan order.
struct SkinButton {
    std::int32_t id = -1;                            // 0 or less: empty slot, never drawn or hit
    std::map<std::string, std::u16string> captions;  // by language code
    std::map<std::string, std::u16string> tips;      // by language code
    SkinRect rect;
    ColorRef textColor = RGB(200, 200, 200);         // caption while not checked
    ColorRef checkedTextColor = RGB(200, 200, 200);  // caption while checked
    std::int32_t keyIndex = -1;                      // key buttons: KeyIndex 1..87
    std::int32_t value = -1;                         // a number of the window's choosing
    bool checked = false;
    bool isLabel = false;         // text only: never hovered, never hit
    bool showCaption = false;     // draw a non-label's caption (key mapping window)
    bool captionVisible = true;   // the caption may be drawn at all (key mapping window)
    bool hovered = false;         // the pointer was inside at the last hit test
    std::uint32_t textFormat = 1; // text layout flags, 1 = centred, top-aligned (SkinTextFormat.h)
    std::int32_t fontIndex = 13;  // index into the shared fonts, font n is n pixels high

    // The caption or tip in a language; empty when there is none.
    std::u16string caption(const std::string& language) const { return lookup(captions, language); }
    std::u16string tip(const std::string& language) const { return lookup(tips, language); }

    // Shorthands for filling tables.
    static SkinButton button(std::int32_t id, SkinRect rect)
    {
        SkinButton b;
        b.id = id;
        b.rect = rect;
        return b;
    }
    static SkinButton label(std::int32_t id, SkinRect rect, std::u16string chinese, std::u16string english)
    {
        SkinButton b = button(id, rect);
        b.isLabel = true;
        b.captions[LanguageCode::Chinese] = std::move(chinese);
        b.captions[LanguageCode::English] = std::move(english);
        return b;
    }

private:
    static std::u16string lookup(const std::map<std::string, std::u16string>& texts, const std::string& language)
    {
        const auto it = texts.find(language);
        return it == texts.end() ? std::u16string() : it->second;
    }
};

// The first record with `id` in a window's table (two labels may share theirs), or nullptr
// when the table has none.
inline const SkinButton* findRecord(const std::vector<SkinButton>& table, int id)
{
    for (const SkinButton& b : table)
        if (b.id == id) return &b;
    return nullptr;
}
inline SkinButton* findRecord(std::vector<SkinButton>& table, int id)
{
    for (SkinButton& b : table)
        if (b.id == id) return &b;
    return nullptr;
}
