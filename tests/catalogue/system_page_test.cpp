// Page "系统标签": the head-area rows, the banner, and the site settings.
#include "test_support.h"

#include <gtest/gtest.h>

namespace zentaro {
namespace {

using testing::ControlOfKind;
using testing::EntryText;

const CataloguePage& SystemPage() { return *Catalogue().pages[3]; }

const TagGroup* GroupOf(std::string_view control) { return testing::GroupOf(SystemPage(), control); }

struct EntryCase {
    std::string_view group;
    std::string_view control;
    std::string_view caption;
    std::string_view text;
};

const EntryCase kSystemEntries[] = {
    {"分组框7", "首页_标题调用", "标题调用", R"~({dede:global.cfg_basehost/})~"},
    {"分组框7", "首页_关键字调用", "关键字调用", R"~({dede:global.cfg_keywords/})~"},
    {"分组框7", "首页_描述调用", "描述调用", R"~({dede:global.cfg_description/})~"},
    {"分组框7", "列表页_标题调用", "标题调用", R"~({dede:field.title/}-{dede:global.cfg_webname/})~"},
    {"分组框7", "列表页_关键字调用", "关键字调用", R"~({dede:field name='keywords'/})~"},
    {"分组框7", "列表页_描述调用", "描述调用", R"~({dede:field name='description'  function='html2text(@me)'/})~"},
    {"分组框7", "内容页_标题调用", "标题调用", R"~({dede:field.title/}-{dede:global.cfg_webname/})~"},
    {"分组框7", "内容页_关键字调用", "关键字调用", R"~({dede:field.keywords/})~"},
    {"分组框7", "内容页_描述调用", "描述调用", R"~({dede:field.description  function='html2text(@me)'/})~"},
    {"分组框7", "搜索页_标题调用", "标题调用", R"~(搜索页-{dede:global.cfg_webname/})~"},
    {"分组框7", "搜索页_关键字调用", "关键字调用", R"~({dede:field name='keywords'/})~"},
    {"分组框7", "搜索页_描述调用", "描述调用", R"~({dede:field name='description' function='html2text(@me)'/})~"},

    {"分组框8", "站点根目录", "站点根目录", R"~({dede:global.cfg_basehost/})~"},
    {"分组框8", "主页链接", "主页链接", R"~({dede:global.cfg_indexurl/})~"},
    {"分组框8", "主页链接名", "主页链接名", R"~({dede:global.cfg_indexname/})~"},
    {"分组框8", "网站名称", "网站名称", R"~({dede:global.cfg_webname/})~"},
    {"分组框8", "版权信息", "版权信息", R"~({dede:global.cfg_powerby/})~"},
    {"分组框8", "站点关键字", "站点关键字", R"~({dede:global.cfg_keywords/})~"},
    {"分组框8", "站点描述", "站点描述", R"~({dede:global.cfg_description/})~"},
    {"分组框8", "网站备案号", "网站备案号", R"~({dede:global.cfg_beian/})~"},
    {"分组框8", "头部调用", "头部调用", R"~({dede:include filename="head.htm" /})~"},
    {"分组框8", "左侧调用", "左侧调用", R"~({dede:include filename="left.htm" /})~"},
    {"分组框8", "右侧调用", "右侧调用", R"~({dede:include filename="right.htm" /})~"},
    {"分组框8", "尾部调用", "尾部调用", R"~({dede:include filename="footer.htm" /})~"},
    {"分组框8", "CSS路径", "CSS路径", R"~({dede:global.cfg_templets_skin/}/css/)~"},
    {"分组框8", "JS路径", "JS路径", R"~({dede:global.cfg_templets_skin/}/js/)~"},
    {"分组框8", "图片路径", "图片路径", R"~({dede:global.cfg_templets_skin/}/images/)~"},
    {"分组框8", "视频路径", "视频路径", R"~({dede:global.cfg_templets_skin/}/images/)~"},
};

TEST(SystemPage, EveryEntryIsInItsGroupAndWritesItsExactText) {
    for (const EntryCase& c : kSystemEntries) {
        SCOPED_TRACE(std::string(c.control));
        const TagGroup* group = GroupOf(c.control);
        ASSERT_NE(group, nullptr) << "not on this page";
        EXPECT_EQ(group->name, c.group);
        EXPECT_EQ(ControlOfKind<TagEntry>(c.control).caption, c.caption);
        EXPECT_EQ(EntryText(c.control), c.text);
    }
}

TEST(SystemPage, EntriesThatShareATextWriteTheSameText) {
    const std::pair<std::string_view, std::string_view> pairs[] = {
        {"首页_标题调用", "站点根目录"},
        {"首页_关键字调用", "站点关键字"},
        {"首页_描述调用", "站点描述"},
        {"图片路径", "视频路径"},
        {"列表页_关键字调用", "搜索页_关键字调用"},
        {"列表页_标题调用", "内容页_标题调用"},
    };
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(std::string(a) + " / " + std::string(b));
        EXPECT_EQ(EntryText(a), EntryText(b));
    }
}

TEST(SystemPage, DescriptionCallsKeepTheirSpacingBeforeFunction) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"列表页_描述调用", R"~('description'  function=)~"},
        {"内容页_描述调用", R"~(description  function=)~"},
        {"搜索页_描述调用", R"~('description' function=)~"},
    };
    for (const auto& [control, piece] : cases) {
        SCOPED_TRACE(std::string(control));
        EXPECT_NE(EntryText(control).find(piece), std::string::npos) << EntryText(control);
    }
}

struct RowLabelCase {
    std::string_view name;
    std::string_view caption;
    int top;
    std::string_view firstEntry;
};

const RowLabelCase kRowLabels[] = {
    {"标签6", "首  页head区域：", 27, "首页_标题调用"},
    {"标签7", "列表页head区域：\r\n", 61, "列表页_标题调用"},
    {"标签8", "内容页head区域：", 98, "内容页_标题调用"},
    {"标签9", "搜索页head区域：", 135, "搜索页_标题调用"},
};

TEST(SystemPage, EachHeadRowBeginsWithItsLabel) {
    ASSERT_EQ(SystemPage().groups.size(), 3u);
    const TagGroup& head = SystemPage().groups[0];
    for (const RowLabelCase& c : kRowLabels) {
        SCOPED_TRACE(std::string(c.name));
        ASSERT_NE(GroupOf(c.name), nullptr);
        EXPECT_EQ(GroupOf(c.name)->name, "分组框7");
        const Label& label = ControlOfKind<Label>(c.name);
        EXPECT_EQ(label.caption, c.caption);
        EXPECT_TRUE(label.buddy.empty());
        EXPECT_EQ(label.rect.left, 24);
        EXPECT_EQ(label.rect.top, c.top);
        EXPECT_EQ(label.rect.width, 136);
        EXPECT_EQ(label.rect.height, 24);
        // The label is directly followed by its row's three entries.
        std::size_t at = 0;
        while (at < head.controls.size() && ControlName(head.controls[at]) != c.name) ++at;
        ASSERT_LT(at + 3, head.controls.size());
        EXPECT_EQ(ControlName(head.controls[at + 1]), c.firstEntry);
        const int lefts[] = {160, 295, 460};
        for (int i = 0; i < 3; ++i) {
            const Rect r = ControlRect(head.controls[at + 1 + i]);
            EXPECT_EQ(r.left, lefts[i]);
            EXPECT_EQ(r.top, c.top);
        }
    }
}

TEST(SystemPage, RowLabelsKeepTheirOddCharacters) {
    const std::string_view home = ControlOfKind<Label>("标签6").caption;
    EXPECT_TRUE(home.starts_with("首  页")) << "two ASCII spaces between the characters";
    const std::string_view list = ControlOfKind<Label>("标签7").caption;
    EXPECT_TRUE(list.ends_with("：\r\n")) << "a full-width colon, then CR LF";
    EXPECT_EQ(list.find('\n'), list.size() - 1);
    for (std::string_view other : {"标签6", "标签8", "标签9"})
        EXPECT_TRUE(ControlOfKind<Label>(other).caption.ends_with("：")) << other;
}

struct GroupCase {
    std::string_view name;
    std::string_view caption;
    Rect rect;
};

const GroupCase kSystemGroups[] = {
    {"分组框7", "主页模板Head区域", {7, 23, 632, 162}},
    {"分组框9", "广告招商", {7, 185, 632, 85}},
    {"分组框8", "系统基本配置标签", {5, 270, 632, 189}},
};

TEST(SystemPage, ThreeGroupsTopToBottom) {
    const CataloguePage& page = SystemPage();
    EXPECT_EQ(page.index, 3);
    EXPECT_EQ(page.caption, "系统标签");
    ASSERT_EQ(page.groups.size(), std::size(kSystemGroups));
    for (std::size_t i = 0; i < std::size(kSystemGroups); ++i) {
        const GroupCase& want = kSystemGroups[i];
        const TagGroup& group = page.groups[i];
        SCOPED_TRACE(std::string(want.name));
        EXPECT_EQ(group.name, want.name);
        EXPECT_EQ(group.caption, want.caption);
        EXPECT_EQ(group.rect, want.rect);
    }
}

TEST(SystemPage, BannerGroupHoldsOnlyThePictureBox) {
    const TagGroup& banner = SystemPage().groups[1];
    ASSERT_EQ(banner.name, "分组框9");
    ASSERT_EQ(banner.controls.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<PictureBox>(banner.controls[0]));
    const PictureBox& box = std::get<PictureBox>(banner.controls[0]);
    EXPECT_EQ(box.name, "图片框1");
    EXPECT_EQ(box.picture, "ad_banner.png");
    EXPECT_EQ(box.rect.left, 152);
    EXPECT_EQ(box.rect.top, 11);
    EXPECT_EQ(box.rect.width, 320);
    EXPECT_EQ(box.rect.height, 72);
}

TEST(SystemPage, SiteSettingsStandInFourRowsOfFour) {
    const TagGroup& settings = SystemPage().groups[2];
    ASSERT_EQ(settings.name, "分组框8");
    ASSERT_EQ(settings.controls.size(), 16u);
    const int tops[] = {30, 74, 120, 160};
    const int lefts[] = {36, 175, 323, 473};
    for (std::size_t i = 0; i < settings.controls.size(); ++i) {
        SCOPED_TRACE(std::string(ControlName(settings.controls[i])));
        EXPECT_TRUE(std::holds_alternative<TagEntry>(settings.controls[i]));
        const Rect r = ControlRect(settings.controls[i]);
        EXPECT_EQ(r.top, tops[i / 4]);
        EXPECT_EQ(r.left, lefts[i % 4]);
        EXPECT_EQ(r.height, 24);
    }
}

}  // namespace
}  // namespace zentaro
