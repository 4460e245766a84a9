// Page "内容页标签": every entry's text, the groups and where the entries stand.
#include "test_support.h"

#include <gtest/gtest.h>

namespace zentaro {
namespace {

using testing::ControlOfKind;
using testing::EntryText;
using testing::FakeBox;
using testing::FakeClipboard;

const CataloguePage& ContentPage() { return *Catalogue().pages[2]; }

const TagGroup* GroupOf(std::string_view control) { return testing::GroupOf(ContentPage(), control); }

struct EntryCase {
    std::string_view control;
    std::string_view caption;
    std::string_view text;
};

const EntryCase kContentEntries[] = {
    // 文章模型内容页标签
    {"内容页_文章标题", "文章标题", R"~({dede:field.title/})~"},
    {"内容页_发布时间", "发布时间", R"~({dede:field.pubdate function="MyDate('Y-m-d H:i',@me)"/})~"},
    {"内容页_文章来源", "文章来源", R"~({dede:field.writer/})~"},
    {"内容页_作者", "作者", R"~({dede:field.writer/})~"},
    {"内容页_点击数", "点击数",
     R"~(<script src="{dede:field name='phpurl'/}/count.php?view=yes&aid={dede:field name='id'/}&mid={dede:field name='mid'/}"type='text/javascript' language="javascript"></script>)~"},
    {"内容页_责任编辑", "责任编辑", R"~({dede:adminname/})~"},
    {"内容页_文章简介", "文章简介", R"~({dede:field.description/})~"},
    {"内容页_文章正文", "文章正文", R"~({dede:field.body/})~"},
    {"单选框14", "简略标题", R"~({dede:field.shorttitle/})~"},
    // 下载模型内容页标签
    {"内容页_软件类型", "软件类型", R"~({dede:field.softtype/})~"},
    {"内容页_授权方式", "授权方式", R"~({dede:field.accredit/})~"},
    {"内容页_界面语言", "界面语言", R"~({dede:field.language/})~"},
    {"内容页_软件大小", "软件大小", R"~({dede:field.softsize/})~"},
    {"内容页_文件类型", "文件类型", R"~({dede:field.filetype/})~"},
    {"内容页_运行环境", "运行环境", R"~({dede:field.os/})~"},
    {"内容页_软件等级2", "软件等级2", R"~({dede:field.softrank function='GetRankStar(@me)'/})~"},
    {"内容页_发布时间11", "发布时间", R"~({dede:field.pubdate function="GetDateMk('@me')"/})~"},
    {"内容页_官方网址", "官方网址", R"~({dede:field.officialurl/})~"},
    {"内容页_演示网址", "演示网址", R"~({dede:field.officialdemo/})~"},
    {"内容页_下载次数", "下载次数",
     R"~(<script src="{dede:field.phpurl/}/disdls.php?aid={dede:field.id/}" language="javascript"></script>)~"},
    {"内容页_软件图片", "软件图片", R"~({dede:field name='image'/})~"},
    {"内容页_下载地址", "下载地址", R"~({dede:field name='softlinks'/})~"},
    {"内容页_软件介绍", "软件介绍", R"~({dede:field.introduce/})~"},
    {"内容页_下载说明", "下载说明", R"~({dede:softmsg/})~"},
    {"内容页_软件等级4", "软件等级", R"~(<img src="/images/star{dede:field name='softrank'/}.gif "> )~"},
    // 图片模型new内容页标签
    {"内容页_图片列表开始", "图片列表开始", R"~({dede:productimagelist})~"},
    {"内容页_图片列表结束", "图片列表结束", R"~({/dede:productimagelist})~"},
    {"内容页_图片显示", "图片显示", R"~([field:imgsrc/])~"},
    {"内容页_图片链接", "图片链接", R"~(javascript:ChangePic('[field:imgsrc/]', '#bigpicimg');)~"},
    {"内容页_图片title", "图片title", R"~([field:text/])~"},
    {"内容页_图片缩略图", "图片缩略图", R"~({dede:field name='imgurls' alt='图片输出区'})~"},
    // 图片模型images内容页标签
    {"内容页_图片列表开始1", "图片列表开始", R"~({dede:field name='imgurls' alt='图片输出区'})~"},
    {"内容页_图片列表结束1", "图片列表结束", R"~({/dede:field})~"},
    {"内容页_图片来源", "图片来源", R"~([field:imgsrc/])~"},
    {"内容页_图片链接3", "图片链接", R"~([field:linkurl/])~"},
    {"内容页_图片alt", "图片alt", R"~([field:alttext /])~"},
    {"内容页_shortname", "shortname", R"~({dede:global.art_shortname/})~"},
    {"内容页_npage", "nowpage", R"~({dede:field name='nowpage'/})~"},
    {"内容页_totalpage", "totalpage", R"~({dede:field name='totalpage'/})~"},
    {"内容页_displaytype", "displaytype", R"~({dede:field name='displaytype'/})~"},
    {"内容页_ID", "ID", R"~({dede:field name='id'/})~"},
    // 内容页模型通用标签
    {"内容页_当前位置", "当前位置", R"~({dede:field name='position'/})~"},
    {"内容页_上一篇", "上一篇", R"~({dede:prenext get='pre'/})~"},
    {"内容页_下一篇", "下一篇", R"~({dede:prenext get='next'/})~"},
    {"内容页_上一图集", "上一图集", R"~({dede:prenext get='preimg'/})~"},
    {"内容页_下一图集", "下一图集", R"~({dede:prenext get='nextimg'/})~"},
    {"内容页_文章标题6", "收藏",
     R"~(<a href=  "{dede:global name='cfg_phpurl'/}/stow.php?aid={dede:field.id/}">收藏</a>)~"},
    {"内容页_挑错", "挑错",
     R"~(<a href="{dede:global name='cfg_phpurl'/}/erraddsave.php?aid={dede:field.id/}&title={dede:field.title/}">挑错</a>)~"},
    {"内容页_推荐", "推荐",
     R"~(<a href= "{dede:global name='cfg_phpurl'/}/recommend.php?aid={dede:field.id/}">推荐</a>)~"},
    {"内容页_打印", "打印", R"~(无整理此标签)~"},
    {"内容页_内容页分页", "内容页分页", R"~({dede:pagebreak/})~"},
};

TEST(ContentPage, EveryEntryHasItsCaptionAndWritesItsExactText) {
    for (const EntryCase& c : kContentEntries) {
        SCOPED_TRACE(std::string(c.control));
        ASSERT_NE(GroupOf(c.control), nullptr) << "not on this page";
        EXPECT_EQ(ControlOfKind<TagEntry>(c.control).caption, c.caption);
        EXPECT_EQ(EntryText(c.control), c.text);
    }
}

TEST(ContentPage, HoldsOnlyTheListedEntries) {
    std::size_t controls = 0;
    for (const TagGroup& group : ContentPage().groups)
        for (const GroupControl& control : group.controls) {
            ++controls;
            EXPECT_TRUE(std::holds_alternative<TagEntry>(control)) << ControlName(control);
        }
    EXPECT_EQ(controls, std::size(kContentEntries));
}

TEST(ContentPage, EntriesThatShareATextWriteTheSameText) {
    const std::pair<std::string_view, std::string_view> pairs[] = {
        {"内容页_文章来源", "内容页_作者"},
        {"内容页_图片缩略图", "内容页_图片列表开始1"},
        {"内容页_图片显示", "内容页_图片来源"},
    };
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(std::string(a) + " / " + std::string(b));
        ASSERT_NE(GroupOf(a), nullptr);
        ASSERT_NE(GroupOf(b), nullptr);
        EXPECT_EQ(EntryText(a), EntryText(b));
    }
}

TEST(ContentPage, LinkEntriesKeepTheirSpacingAfterHref) {
    const std::pair<std::string_view, std::string_view> links[] = {
        {"内容页_文章标题6", R"~(<a href=  "{)~"},
        {"内容页_挑错", R"~(<a href="{)~"},
        {"内容页_推荐", R"~(<a href= "{)~"},
    };
    for (const auto& [control, start] : links) {
        SCOPED_TRACE(std::string(control));
        EXPECT_TRUE(EntryText(control).starts_with(start)) << EntryText(control);
    }
    EXPECT_NE(EntryText("内容页_点击数").find(R"~(/}"type=')~"), std::string::npos);
}

TEST(ContentPage, SoftwareRankEndsWithASpaceThatWriteAndCopyKeep) {
    const std::string rank = EntryText("内容页_软件等级4");
    ASSERT_FALSE(rank.empty());
    EXPECT_EQ(rank.back(), ' ');
    EXPECT_TRUE(rank.ends_with(R"~(.gif "> )~"));

    FakeBox box;
    box.text = "typed by hand";
    WriteOutput(box, rank);
    EXPECT_EQ(box.text, rank);
    FakeClipboard clipboard;
    CopyOutput(box, clipboard);
    EXPECT_EQ(clipboard.text, R"~(<img src="/images/star{dede:field name='softrank'/}.gif "> )~");
}

TEST(ContentPage, ArticleSummaryTagClosesItself) {
    const std::string summary = EntryText("内容页_文章简介");
    EXPECT_EQ(summary, "{dede:field.description/}");
    EXPECT_TRUE(summary.ends_with("/}"));
}

struct GroupCase {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    std::string_view first;
    std::string_view last;
};

const GroupCase kContentGroups[] = {
    {"分组框15", "文章模型内容页标签", {7, 23, 640, 84}, "内容页_文章标题", "单选框14"},
    {"内容页_简略标题", "下载模型内容页标签", {7, 108, 640, 135}, "内容页_软件类型", "内容页_软件等级4"},
    {"图片模型new内容页标签", "图片模型new内容页标签", {8, 246, 639, 56}, "内容页_图片列表开始", "内容页_图片缩略图"},
    {"图片模型images内容页标签", "图片模型images内容页标签", {7, 308, 640, 72}, "内容页_图片列表开始1", "内容页_ID"},
    {"内容页模型通用标签", "内容页模型通用标签", {7, 387, 640, 68}, "内容页_当前位置", "内容页_内容页分页"},
};

TEST(ContentPage, FiveGroupsTopToBottomWithTheirFramesAndEntries) {
    const CataloguePage& page = ContentPage();
    EXPECT_EQ(page.index, 2);
    EXPECT_EQ(page.caption, "内容页标签");
    ASSERT_EQ(page.groups.size(), std::size(kContentGroups));
    for (std::size_t i = 0; i < std::size(kContentGroups); ++i) {
        const GroupCase& want = kContentGroups[i];
        const TagGroup& group = page.groups[i];
        SCOPED_TRACE(std::string(want.name));
        EXPECT_EQ(group.name, want.name);
        EXPECT_EQ(group.caption, want.caption);
        EXPECT_EQ(group.rect, want.rect);
        ASSERT_FALSE(group.controls.empty());
        EXPECT_EQ(ControlName(group.controls.front()), want.first);
        EXPECT_EQ(ControlName(group.controls.back()), want.last);
    }
}

struct PlaceCase {
    std::string_view group;
    std::string_view control;
    Rect rect;
};

const PlaceCase kContentPlaces[] = {
    {"分组框15", "内容页_文章标题", {24, 22, 80, 24}},
    {"分组框15", "内容页_点击数", {520, 22, 80, 24}},
    {"分组框15", "单选框14", {408, 54, 80, 24}},
    {"内容页_简略标题", "内容页_软件类型", {8, 15, 80, 24}},
    {"内容页_简略标题", "内容页_官方网址", {392, 47, 80, 24}},
    {"内容页_简略标题", "内容页_演示网址", {504, 42, 80, 24}},
    {"内容页_简略标题", "内容页_软件等级4", {8, 103, 80, 24}},
    {"图片模型new内容页标签", "内容页_图片列表开始", {8, 19, 95, 24}},
    {"图片模型new内容页标签", "内容页_图片列表结束", {112, 19, 95, 24}},
    {"图片模型new内容页标签", "内容页_图片显示", {216, 18, 80, 24}},
    {"图片模型new内容页标签", "内容页_图片缩略图", {504, 19, 80, 24}},
    {"图片模型images内容页标签", "内容页_图片列表结束1", {152, 16, 95, 24}},
    {"图片模型images内容页标签", "内容页_图片来源", {272, 15, 80, 24}},
    {"图片模型images内容页标签", "内容页_displaytype", {392, 42, 88, 24}},
    {"图片模型images内容页标签", "内容页_ID", {504, 42, 80, 24}},
    {"内容页模型通用标签", "内容页_当前位置", {8, 15, 80, 24}},
    {"内容页模型通用标签", "内容页_文章标题6", {8, 40, 80, 24}},
    {"内容页模型通用标签", "内容页_内容页分页", {504, 40, 80, 24}},
};

TEST(ContentPage, EntriesStandWhereTheirGroupPlacesThem) {
    for (const PlaceCase& c : kContentPlaces) {
        SCOPED_TRACE(std::string(c.control));
        const TagGroup* group = GroupOf(c.control);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->name, c.group);
        const Rect r = ControlOfKind<TagEntry>(c.control).rect;
        EXPECT_EQ(r.left, c.rect.left);
        EXPECT_EQ(r.top, c.rect.top);
        EXPECT_EQ(r.width, c.rect.width);
        EXPECT_EQ(r.height, c.rect.height);
    }
}

}  // namespace
}  // namespace zentaro
