// Page "搜索页标签": every entry's text, the page-size composer, the tag-cloud
// composer and the controls that carry no command.
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentaro {
namespace {

using testing::Compose;
using testing::EntryCase;
using testing::ControlOfKind;
using testing::EntryText;
using testing::FakeFields;

const EntryCase kSearchEntries[] = {
    {"搜索页_高级搜索", R"~({dede:global.cfg_cmsurl/}/plus/heightsearch.php)~"},
    {"搜索页_关键字调用3", R"~({dede:global name='keyword' function='RemoveXSS(@me)'/})~"},
    {"搜索页_普通搜索", R"~({dede:global.cfg_cmsurl/}/plus/search.php)~"},
    {"搜索页_列表开始标签", R"~({dede:list })~"},
    // The end tag is the engine's exact closing form; a space before the brace
    // would leave the list block open.
    {"搜索页_列表结束标签", R"~({/dede:list})~"},
    {"搜索页_文章标题", R"~([field:title/])~"},
    {"搜索页_标题链接", R"~([field:arcurl/])~"},
    {"搜索页_内容简介", R"~([field:description/]...)~"},
    {"搜索页_分类", R"~([field:typename/])~"},
    {"搜索页_分类链接", R"~([field:typeurl/])~"},
    {"搜索页_点击数", R"~([field:click/])~"},
    {"搜索页_日期", R"~([field:stime/])~"},
    {"搜索页_分页调用", R"~({dede:pagelist listsize='4'/})~"},
};

TEST(SearchPage, EveryEntryWritesItsExactText) {
    testing::ExpectEntryTexts(kSearchEntries);
}

// Every field of the page, so that a composer reading the wrong one shows.
const std::string_view kSearchFields[] = {"编辑框6", "编辑框8", "组合框1", "组合框2"};

FakeFields NoisyFields() {
    FakeFields fields;
    for (std::string_view name : kSearchFields) fields.Set(std::string(name), "noise");
    return fields;
}

TEST(SearchPage, PageSizeComposerPutsTheFieldBeforeOneSpace) {
    struct Case {
        std::string value;
        std::string_view written;
    };
    const Case cases[] = {
        {"", R"~({dede:list perpage=' '})~"},
        {"20", R"~({dede:list perpage='20 '})~"},
        {"  7 ", R"~({dede:list perpage='  7  '})~"},
        {R"~(' " < > { } | [ ] 中文标签)~", R"~({dede:list perpage='' " < > { } | [ ] 中文标签 '})~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.value + "]");
        FakeFields fields = NoisyFields();
        fields.Set("编辑框6", c.value);
        EXPECT_EQ(Compose("按钮2", fields), c.written);
    }
}

TEST(SearchPage, TagCloudComposerJoinsCountSortAndFetchType) {
    struct Case {
        std::string count, sort, fetch;
        std::string_view written;
    };
    const Case cases[] = {
        {"10", "new", "0", R"~({dede:tag row='10' sort='new' getall='0'}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag})~"},
        {"10", "month", "1", R"~({dede:tag row='10' sort='month' getall='1'}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag})~"},
        {"10", "rand", "0", R"~({dede:tag row='10' sort='rand' getall='0'}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag})~"},
        {"10", "week", "1", R"~({dede:tag row='10' sort='week' getall='1'}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag})~"},
        {"", "", "", R"~({dede:tag row='' sort='' getall=''}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag})~"},
        // Typed text in the combo boxes is taken as it stands.
        {" 5 ", "hot'", " 2", R"~({dede:tag row=' 5 ' sort='hot'' getall=' 2'}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag})~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count + "|" + c.sort + "|" + c.fetch);
        FakeFields fields = NoisyFields();
        fields.Set("编辑框8", c.count);
        fields.Set("组合框1", c.sort);
        fields.Set("组合框2", c.fetch);
        EXPECT_EQ(Compose("按钮6", fields), c.written);
    }
}

TEST(SearchPage, TagCloudChoicesOfferTheirItemsInOrder) {
    struct Case {
        std::string_view combo;
        std::vector<std::string_view> items;
    };
    const Case cases[] = {
        {"组合框1", {"new", "month", "rand", "week"}},
        {"组合框2", {"0", "1"}},
    };
    for (const Case& c : cases) {
        const auto& items = ControlOfKind<ChoiceField>(c.combo).items;
        EXPECT_EQ(std::vector<std::string_view>(items.begin(), items.end()), c.items) << c.combo;
    }
}

TEST(SearchPage, LabelsIntroduceTheirOwnFields) {
    struct Case {
        std::string_view label, caption, buddy;
    };
    const Case cases[] = {
        {"搜索页_显示条数", "显示条数", "编辑框6"},
        {"搜索页_调用条数", "调用条数", "编辑框8"},
        {"搜索页_排序方式", "排序方式", "组合框1"},
        {"搜索页_获取类型", "获取类型：", "组合框2"},
    };
    for (const Case& c : cases) {
        const Label& label = ControlOfKind<Label>(c.label);
        EXPECT_EQ(label.caption, c.caption) << c.label;
        EXPECT_EQ(label.buddy, c.buddy) << c.label;
    }
}

TEST(SearchPage, DemoLinkOpensTheSearchPagerDemo) {
    const DemoLink& link = ControlOfKind<DemoLink>("搜索页_效果演示");
    EXPECT_EQ(link.caption, "效果演示");
    EXPECT_EQ(link.demo, DemoId::SearchPager);
}

TEST(SearchPage, BlankRadioButtonsCarryNoCommand) {
    const std::string_view radios[] = {"单选框17", "单选框18", "单选框19", "单选框16",
                                       "单选框11", "单选框12", "单选框13", "单选框15"};
    for (std::string_view name : radios) {
        SCOPED_TRACE(std::string(name));
        const GroupControl* control = FindControl(name);
        ASSERT_TRUE(control);
        ASSERT_TRUE(std::holds_alternative<InertRadio>(*control));
        EXPECT_EQ(std::get<InertRadio>(*control).caption, "单选框");
    }
}

}  // namespace
}  // namespace zentaro
