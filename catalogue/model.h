// The catalogue's data model: pages of titled groups holding the controls a
// designer clicks. Everything here is constant data built at compile time;
// texts are UTF-8 and must reproduce the tag text character for character.
#pragma once

#include <span>
#include <string_view>
#include <variant>

namespace zentaro {

// Pixels. Group rectangles are relative to the notebook's top-left corner
// (tab strip included); control rectangles are relative to their group frame
// or window client area. Both may be negative.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

// One piece of a composition: either fixed text or the current text of the
// named field (a one-line box or an editable combo box).
struct RecipePiece {
    enum class Kind : unsigned char { Literal, Field };
    Kind kind = Kind::Literal;
    std::string_view text;  // the literal itself, or the field's control name
};

constexpr RecipePiece Literal(std::string_view text) { return {RecipePiece::Kind::Literal, text}; }
constexpr RecipePiece FieldPiece(std::string_view fieldName) { return {RecipePiece::Kind::Field, fieldName}; }

struct ComposeRecipe {
    std::span<const RecipePiece> pieces;
};

enum class PickerId : unsigned char { NavigationType, OrderBy, Flag, FriendLinkType, PagerSize };
enum class DemoId : unsigned char { ArticleList, ArticleListPage, SoftwareListPage, Pager, SearchPager };

// A radio button that writes one fixed text into the output box.
struct TagEntry {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    std::string_view text;
};

// A push button that joins its recipe and writes the result. A composer with
// a face shows that picture instead of its caption; the caption then names the
// words on the picture (accessible name and tooltip).
struct TagComposer {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    ComposeRecipe recipe;
    std::string_view face = {};  // picture file name under the pictures resource, or empty
};

// A one-line text box: empty at start, never checked or trimmed.
struct ParamField {
    std::string_view name;
    Rect rect;
};

// A combo box whose current text a composer may read like a field. It shows
// its first item at start and accepts typed text.
struct ChoiceField {
    std::string_view name;
    Rect rect;
    std::span<const std::string_view> items;
};

struct PickerLink {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    PickerId picker;
};

struct DemoLink {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    DemoId demo;
};

// Static text. `buddy` names the field it introduces, if any.
struct Label {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    std::string_view buddy = {};
};

// A radio button without any action (visible, enabled, does nothing).
struct InertRadio {
    std::string_view name;
    std::string_view caption;
    Rect rect;
};

// A picture drawn unscaled from the box's top-left corner, clipped.
struct PictureBox {
    std::string_view name;
    Rect rect;
    std::string_view picture;  // file name under the pictures resource
};

using GroupControl =
    std::variant<TagEntry, TagComposer, ParamField, ChoiceField, PickerLink, DemoLink, Label, InertRadio, PictureBox>;

struct TagGroup {
    std::string_view name;
    std::string_view caption;  // may be empty: a frame without a title
    Rect rect;
    std::span<const GroupControl> controls;  // row by row, left to right
};

struct CataloguePage {
    int index = 0;
    std::string_view caption;
    std::span<const TagGroup> groups;
};

struct TagCatalogue {
    std::span<const CataloguePage* const> pages;
};

// Name of any control, whatever its kind.
constexpr std::string_view ControlName(const GroupControl& control) {
    return std::visit([](const auto& c) { return c.name; }, control);
}

constexpr Rect ControlRect(const GroupControl& control) {
    return std::visit([](const auto& c) { return c.rect; }, control);
}

}  // namespace zentaro
