// Rules that hold for the whole catalogue, checked once for every page and window.
#include "test_support.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <set>
#include <vector>

namespace zentaro {
namespace {

struct NamedText {
    std::string where;
    std::string_view text;
};

// Every text the program shows or writes, with where it comes from.
std::vector<NamedText> AllCatalogueTexts() {
    std::vector<NamedText> texts;
    auto add = [&](std::string_view where, std::string_view text) { texts.push_back({std::string(where), text}); };
    for (const CataloguePage* page : Catalogue().pages) {
        add("page caption", page->caption);
        for (const TagGroup& group : page->groups) {
            add(group.name, group.caption);
            for (const GroupControl& control : group.controls) {
                const std::string_view name = ControlName(control);
                add("name", name);
                std::visit(
                    [&](const auto& c) {
                        using Kind = std::decay_t<decltype(c)>;
                        if constexpr (requires { c.caption; }) add(name, c.caption);
                        if constexpr (std::is_same_v<Kind, TagEntry>) add(name, c.text);
                        if constexpr (std::is_same_v<Kind, TagComposer>)
                            for (const RecipePiece& piece : c.recipe.pieces) add(name, piece.text);
                        if constexpr (std::is_same_v<Kind, ChoiceField>)
                            for (std::string_view item : c.items) add(name, item);
                    },
                    control);
            }
        }
    }
    std::vector<const SubWindow*> windows;
    for (PickerId id : AllPickers()) windows.push_back(&Picker(id));
    for (DemoId id : AllDemos()) windows.push_back(&Demo(id));
    for (InfoWindowId id : AllInfoWindows()) windows.push_back(&InfoWindow(id));
    for (const SubWindow* window : windows) {
        add("window title", window->title);
        for (const WindowControl& control : window->controls) {
            std::visit(
                [&](const auto& c) {
                    using Kind = std::decay_t<decltype(c)>;
                    add(window->title, c.name);
                    if constexpr (std::is_same_v<Kind, PickerItem>) {
                        add(c.name, c.caption);
                        add(c.name, c.value);
                    }
                    if constexpr (std::is_same_v<Kind, TextLabel>) add(c.name, c.text);
                },
                control);
        }
    }
    return texts;
}

// Converts between encodings with glibc's iconv; nullopt when a character has no equivalent.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert");
    std::string in(text);
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

TEST(CatalogueTexts, AreAllRepresentableInGbk) {
    const auto texts = AllCatalogueTexts();
    ASSERT_GT(texts.size(), 100u);
    for (const NamedText& t : texts) {
        SCOPED_TRACE(t.where + ": " + std::string(t.text));
        const auto gbk = Convert("GBK", "UTF-8", t.text);
        ASSERT_TRUE(gbk.has_value());
        EXPECT_EQ(Convert("UTF-8", "GBK", *gbk), std::string(t.text));
    }
}

TEST(CatalogueTexts, GbkCheckRejectsCharactersOutsideTheCodePage) {
    EXPECT_FALSE(Convert("GBK", "UTF-8", "😀").has_value());
    EXPECT_TRUE(Convert("GBK", "UTF-8", "标签，：").has_value());
}

TEST(CatalogueStructure, SixPagesInNotebookOrder) {
    const std::string_view captions[] = {"首页标签", "列表页标签", "内容页标签", "系统标签", "搜索页标签", "幻灯片在线"};
    ASSERT_EQ(Catalogue().pages.size(), std::size(captions));
    for (std::size_t i = 0; i < std::size(captions); ++i) {
        EXPECT_EQ(Catalogue().pages[i]->index, static_cast<int>(i));
        EXPECT_EQ(Catalogue().pages[i]->caption, captions[i]);
    }
}

// Names the main window gives its own controls around the notebook.
const std::string_view kMainWindowNames[] = {"分组框2", "标签1", "编辑框1", "按钮1", "标签复位", "分组框3", "选择夹1"};

TEST(CatalogueStructure, ControlNamesAreUniqueWithinEachWindow) {
    std::set<std::string_view> mainWindow(std::begin(kMainWindowNames), std::end(kMainWindowNames));
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups) {
            EXPECT_TRUE(mainWindow.insert(group.name).second) << group.name;
            for (const GroupControl& control : group.controls)
                EXPECT_TRUE(mainWindow.insert(ControlName(control)).second) << ControlName(control);
        }
    std::vector<const SubWindow*> windows;
    for (PickerId id : AllPickers()) windows.push_back(&Picker(id));
    for (DemoId id : AllDemos()) windows.push_back(&Demo(id));
    for (InfoWindowId id : AllInfoWindows()) windows.push_back(&InfoWindow(id));
    for (const SubWindow* window : windows) {
        std::set<std::string_view> names;
        for (const WindowControl& control : window->controls)
            EXPECT_TRUE(names.insert(WindowControlName(control)).second) << window->title;
    }
}

bool IsReadableField(std::string_view name) {
    auto control = FindControl(name);
    return control && (std::holds_alternative<ParamField>(*control) || std::holds_alternative<ChoiceField>(*control));
}

TEST(CatalogueStructure, RecipesStartAndEndWithLiteralsAndNameExistingFields) {
    int composers = 0;
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls) {
                const auto* composer = std::get_if<TagComposer>(&control);
                if (!composer) continue;
                ++composers;
                SCOPED_TRACE(std::string(composer->name));
                const auto pieces = composer->recipe.pieces;
                ASSERT_GE(pieces.size(), 3u);
                EXPECT_EQ(pieces.front().kind, RecipePiece::Kind::Literal);
                EXPECT_EQ(pieces.back().kind, RecipePiece::Kind::Literal);
                for (std::size_t i = 0; i < pieces.size(); ++i) {
                    if (pieces[i].kind != RecipePiece::Kind::Field) continue;
                    EXPECT_TRUE(IsReadableField(pieces[i].text)) << pieces[i].text;
                    EXPECT_EQ(pieces[i + 1].kind, RecipePiece::Kind::Literal);  // never two fields side by side
                }
            }
    EXPECT_GT(composers, 0);
}

TEST(CatalogueStructure, LabelBuddiesAndPickerTargetsNameExistingFields) {
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls) {
                if (const auto* label = std::get_if<Label>(&control); label && !label->buddy.empty()) {
                    EXPECT_TRUE(IsReadableField(label->buddy)) << label->name;
                }
            }
    for (PickerId id : AllPickers())
        for (const WindowControl& control : Picker(id).controls) {
            if (const auto* item = std::get_if<PickerItem>(&control)) {
                EXPECT_TRUE(IsReadableField(item->field)) << item->name;
            }
        }
}

TEST(CatalogueStructure, ControlsStayInsideTheirGroupFrames) {
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls) {
                const Rect r = ControlRect(control);
                EXPECT_GE(r.left, 0) << ControlName(control);
                EXPECT_LE(r.left + r.width, group.rect.width) << ControlName(control);
                EXPECT_LE(r.top + r.height, group.rect.height) << ControlName(control);
            }
}

}  // namespace
}  // namespace zentaro
