// Page "首页标签": every entry's text and every composer's result.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zentaro {
namespace {

using testing::Compose;
using testing::EntryCase;
using testing::EntryText;
using testing::FakeFields;

const EntryCase kHomeEntries[] = {
    {"导航开始标签", R"~({dede:channel                      })~"},
    {"栏目名称", R"~([field:typename/])~"},
    {"栏目链接", R"~([field:typelink/])~"},
    {"栏目ID", R"~([field:id/])~"},
    {"属性样式标签", R"~( currentstyle="<li><a href='~typelink~' class='thisclass'>~typename~</a> </li>")~"},
    {"导航结束标签", R"~({/dede:channel})~"},
    {"文章开始标签", R"~({dede:arclist                     })~"},
    {"文章结束标签", R"~({/dede:arclist})~"},
    {"单选框3", R"~([field:title/])~"},
    {"单选框4", R"~([field:arcurl/])~"},
    {"单选框5", R"~([field:pubdate function="MyDate('m-d',@me)"/])~"},
    {"单选框6", R"~([field:typename/])~"},
    {"单选框7", R"~([field:typeurl/])~"},
};

TEST(HomePage, EveryEntryWritesItsExactText) {
    testing::ExpectEntryTexts(kHomeEntries);
}

TEST(HomePage, StartTagsKeepTheirRunsOfSpaces) {
    const std::string channel = EntryText("导航开始标签");
    EXPECT_EQ(channel, "{dede:channel" + std::string(22, ' ') + "}");
    EXPECT_EQ(channel.size(), 36u);
    const std::string arclist = EntryText("文章开始标签");
    EXPECT_EQ(arclist, "{dede:arclist" + std::string(21, ' ') + "}");
    EXPECT_EQ(arclist.size(), 35u);
}

struct ComposerCase {
    std::string_view composer;
    std::string_view field;
    std::string_view before;
    std::string_view after;
};

const ComposerCase kHomeComposers[] = {
    {"导航个数_按钮", "编辑框2", R"~(  row=')~", R"~( ')~"},
    {"导航类型_按钮", "编辑框4", R"~(  type =')~", R"~( ')~"},
    {"栏目ID_按钮", "编辑框3", R"~(  typeid =')~", R"~( ')~"},
    {"上级栏目ID_按钮", "编辑框5", R"~(   reid =')~", R"~( ')~"},
    {"调用条数_按钮", "调用条数_编辑框6", R"~(  row=')~", R"~(')~"},
    {"标题长度_按钮", "标题长度_编辑框1", R"~(  titlelen =')~", R"~(')~"},
    {"缩略图宽_按钮", "缩略图宽_编辑框", R"~(  imgwidth=')~", R"~( ')~"},
    {"自定属性_按钮", "自定属性_编辑框", R"~(  flag=')~", R"~( ')~"},
    {"简介长度_按钮", "简介长度_编辑框", R"~(  infolen=')~", R"~( ')~"},
    {"缩略图高_按钮", "缩略图高_编辑框", R"~(  imgheight=')~", R"~( ')~"},
    {"增加字段_按钮", "增加字段_编辑框", R"~(  addfields=')~", R"~( ')~"},
    {"显示天数_按钮", "显示天数_编辑框", R"~(   subday=')~", R"~(')~"},
    {"频道ID2_按钮", "栏目ID_编辑框", R"~(  typeid=')~", R"~( ')~"},
    // Attribute names of these two follow the template engine's own attributes.
    {"排序方式_按钮", "排序方式_编辑框2", "  orderby =' ", "  '"},
    {"频道ID_按钮", "频道ID_编辑框1", "  channelid ='", " '"},
};

// Every field of the page, so that a composer reading the wrong one shows.
const std::string_view kHomeFields[] = {
    "编辑框2", "编辑框4", "编辑框3", "编辑框5", "调用条数_编辑框6", "标题长度_编辑框1",
    "排序方式_编辑框2", "频道ID_编辑框1", "缩略图宽_编辑框", "自定属性_编辑框", "简介长度_编辑框",
    "缩略图高_编辑框", "增加字段_编辑框", "显示天数_编辑框", "栏目ID_编辑框", "文字长度_编辑框2",
    "链接数量_编辑框", "链接类型_编辑框",
};

TEST(HomePage, SingleFieldComposersJoinBeforeFieldAfter) {
    const std::string_view values[] = {"", "10", "  7 ", "' \" < > { } | [ ] 中文标签", "click"};
    for (const ComposerCase& c : kHomeComposers) {
        for (std::string_view value : values) {
            SCOPED_TRACE(std::string(c.composer) + " <- [" + std::string(value) + "]");
            FakeFields fields;
            for (std::string_view other : kHomeFields) fields.Set(std::string(other), "other");
            fields.Set(std::string(c.field), std::string(value));
            EXPECT_EQ(Compose(c.composer, fields),
                      std::string(c.before) + std::string(value) + std::string(c.after));
        }
    }
}

TEST(HomePage, CountComposersDifferOnlyInTheClosingSpace) {
    EXPECT_EQ(Compose("导航个数_按钮", FakeFields{{"编辑框2", "10"}}), "  row='10 '");
    EXPECT_EQ(Compose("调用条数_按钮", FakeFields{{"调用条数_编辑框6", "10"}}), "  row='10'");
}

TEST(HomePage, FriendLinkComposerJoinsThreeFields) {
    struct Case {
        std::string length, count, type;
        std::string_view written;
    };
    const Case cases[] = {
        {"", "", "", R"({dede:flink titlelen=' ' row='' type=' '}  [field:link /]  {/dede:flink})"},
        {"30", "8", "text", R"({dede:flink titlelen='30 ' row='8' type='text '}  [field:link /]  {/dede:flink})"},
        {" 1", "2 ", "'x'", R"({dede:flink titlelen=' 1 ' row='2 ' type=''x' '}  [field:link /]  {/dede:flink})"},
    };
    for (const Case& c : cases) {
        FakeFields fields{{"文字长度_编辑框2", c.length}, {"链接数量_编辑框", c.count}, {"链接类型_编辑框", c.type}};
        EXPECT_EQ(Compose("频道ID_按钮6", fields), c.written);
    }
}

}  // namespace
}  // namespace zentaro
