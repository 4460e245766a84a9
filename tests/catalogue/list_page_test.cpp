// Page "列表页标签": every entry's text, every composer's result and the links.
#include "test_support.h"
#include "windows.h"

#include <gtest/gtest.h>

namespace zentaro {
namespace {

using testing::Compose;
using testing::EntryCase;
using testing::ControlOfKind;
using testing::EntryText;
using testing::FakeFields;

const EntryCase kListEntries[] = {
    {"列表开始标签", R"~({dede:list})~"},
    {"列表结束标签", R"~({/dede:list})~"},
    {"标题", R"~([field:title/])~"},
    {"标题链接", R"~([field:arcurl/])~"},
    {"所属栏目", R"~([field:typelink/])~"},
    {"缩略图", R"~([field:picname/])~"},
    {"缩略图链接", R"~([field:arcurl/])~"},
    {"日期", R"~([field:pubdate function="GetDateTimeMK(@me)"/])~"},
    {"推荐级别", R"~([field:softrank function='GetRankStar(@me)'/])~"},
    {"软件语言", R"~([field:language/])~"},
    {"点击数", R"~([field:click/])~"},
    {"好评数", R"~([field:scores/])~"},
    {"数字排序标签", R"~([field:global.autoindex/])~"},
    {"日期2", R"~([field:pubdate function="MyDate('Y-m-d',@me)"/])~"},
    {"软件等级", R"~(<img src="/images/star[field:softrank/].gif ">)~"},
    {"简略标题", R"~([field:shorttitle/])~"},
    {"SEO标题", R"~({dede:field.seotitle /})~"},
    {"封面简介", R"~({dede:field.content/})~"},
    {"显示全部标题", R"~([field:fulltitle/])~"},
};

TEST(ListPage, EveryEntryWritesItsExactText) {
    testing::ExpectEntryTexts(kListEntries);
}

TEST(ListPage, LineEntriesAreCaptionedByTheirOwnNames) {
    for (const EntryCase& c : kListEntries) {
        SCOPED_TRACE(std::string(c.control));
        EXPECT_EQ(ControlOfKind<TagEntry>(c.control).caption, c.control);
    }
}

TEST(ListPage, BothLinkEntriesWriteTheArticleAddress) {
    EXPECT_EQ(EntryText("标题链接"), "[field:arcurl/]");
    EXPECT_EQ(EntryText("缩略图链接"), EntryText("标题链接"));
}

struct ComposerCase {
    std::string_view composer;
    std::string_view field;
    std::string_view before;
    std::string_view after;
};

const ComposerCase kListComposers[] = {
    {"显示条数_按钮", "显示条数_编辑框", R"~({dede:list pagesize =')~", R"~('})~"},
    {"简介长度_生成标签", "生成标签_编辑框", R"~( [field:description function="cn_substr(@me,)~", R"~()"/]...)~"},
    {"列表页分页_生成标签2", "列表页分页_编辑框1",
     R"~(<div class="dede_pages" ><ul class=pagelist>{dede:pagelist listitem=" info,index,end,pre,next,pageno,option"listsize=")~",
     R"~("/}</ul></div>)~"},
};

// Every field of the page, so that a composer reading the wrong one shows.
const std::string_view kListFields[] = {
    "显示条数_编辑框", "生成标签_编辑框", "相关文章_编辑框", "标题长度_编辑框", "调用条数_编辑框", "列表页分页_编辑框1",
};

TEST(ListPage, SingleFieldComposersJoinBeforeFieldAfter) {
    const std::string_view values[] = {"", "10", "  7 ", "' \" < > { } | [ ] 中文标签", "abc"};
    for (const ComposerCase& c : kListComposers) {
        for (std::string_view value : values) {
            SCOPED_TRACE(std::string(c.composer) + " <- [" + std::string(value) + "]");
            FakeFields fields;
            for (std::string_view other : kListFields) fields.Set(std::string(other), "other");
            fields.Set(std::string(c.field), std::string(value));
            EXPECT_EQ(Compose(c.composer, fields), std::string(c.before) + std::string(value) + std::string(c.after));
        }
    }
}

TEST(ListPage, SingleFieldComposersWithTypicalValues) {
    struct Case {
        std::string_view composer, field, value, written;
    };
    const Case cases[] = {
        {"显示条数_按钮", "显示条数_编辑框", "", R"~({dede:list pagesize =''})~"},
        {"显示条数_按钮", "显示条数_编辑框", "10", R"~({dede:list pagesize ='10'})~"},
        {"简介长度_生成标签", "生成标签_编辑框", "120", R"~( [field:description function="cn_substr(@me,120)"/]...)~"},
        {"列表页分页_生成标签2", "列表页分页_编辑框1", "2",
         R"~(<div class="dede_pages" ><ul class=pagelist>{dede:pagelist listitem=" info,index,end,pre,next,pageno,option"listsize="2"/}</ul></div>)~"},
        {"列表页分页_生成标签2", "列表页分页_编辑框1", "",
         R"~(<div class="dede_pages" ><ul class=pagelist>{dede:pagelist listitem=" info,index,end,pre,next,pageno,option"listsize=""/}</ul></div>)~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.composer) + " <- [" + std::string(c.value) + "]");
        EXPECT_EQ(Compose(c.composer, FakeFields{{std::string(c.field), std::string(c.value)}}), c.written);
    }
}

TEST(ListPage, RelatedArticlesComposerJoinsThreeFields) {
    struct Case {
        std::string typeId, titleLength, count;
        std::string_view written;
    };
    const Case cases[] = {
        {"5", "30", "8", R"~({dede:likearticle mytypeid='5' titlelen='30 ' row='8'}{/dede:likearticle})~"},
        {"", "", "", R"~({dede:likearticle mytypeid='' titlelen=' ' row=''}{/dede:likearticle})~"},
        {" 5", "x'", "8 ", R"~({dede:likearticle mytypeid=' 5' titlelen='x' ' row='8 '}{/dede:likearticle})~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typeId + "/" + c.titleLength + "/" + c.count);
        FakeFields fields;
        for (std::string_view other : kListFields) fields.Set(std::string(other), "other");
        fields.Set("相关文章_编辑框", c.typeId);
        fields.Set("标题长度_编辑框", c.titleLength);
        fields.Set("调用条数_编辑框", c.count);
        EXPECT_EQ(Compose("相关文章_生成标签1", fields), c.written);
    }
}

TEST(ListPage, LinksOpenTheirWindows) {
    struct DemoCase {
        std::string_view control, caption, title;
    };
    const DemoCase demos[] = {
        {"按钮3", "文章页效果", "文章列表页效果"},
        {"按钮4", "软件页效果", "软件列表页效果"},
        {"标题长度_效果演示", "效果演示", "页码演示效果"},
    };
    for (const DemoCase& c : demos) {
        SCOPED_TRACE(std::string(c.control));
        const DemoLink& link = ControlOfKind<DemoLink>(c.control);
        EXPECT_EQ(link.caption, c.caption);
        EXPECT_EQ(Demo(link.demo).title, c.title);
    }
    const PickerLink& explain = ControlOfKind<PickerLink>("说明_按钮");
    EXPECT_EQ(explain.caption, "说明");
    EXPECT_EQ(Picker(explain.picker).title, "页码说明");
}

TEST(ListPage, GroupsAndLabelsCarryTheirCaptions) {
    const CataloguePage& page = *Catalogue().pages[1];
    EXPECT_EQ(page.caption, "列表页标签");
    struct GroupCase {
        std::string_view name, caption;
    };
    const GroupCase groups[] = {
        {"分组框10", "列表标签"},     {"分组框11", "列表底层模板标签"}, {"分组框12", "简介长度"},
        {"分组框13", "相关文章调用"}, {"分组框14", "列表页分页标签"},
    };
    ASSERT_EQ(page.groups.size(), std::size(groups));
    for (std::size_t i = 0; i < std::size(groups); ++i) {
        EXPECT_EQ(page.groups[i].name, groups[i].name);
        EXPECT_EQ(page.groups[i].caption, groups[i].caption);
    }

    struct LabelCase {
        std::string_view name, caption, buddy;
    };
    const LabelCase labels[] = {
        {"标签10", "显示条数：", "显示条数_编辑框"},
        {"标签11", "显示字节数：", "生成标签_编辑框"},
        {"相关文章_栏目ID", "栏目ID：", "相关文章_编辑框"},
        {"标签12", "标题长度：", "标题长度_编辑框"},
        {"标签13", "调用条数：", "调用条数_编辑框"},
        {"标签14", "标题长度：", "列表页分页_编辑框1"},
    };
    for (const LabelCase& c : labels) {
        SCOPED_TRACE(std::string(c.name));
        const Label& label = ControlOfKind<Label>(c.name);
        EXPECT_EQ(label.caption, c.caption);
        EXPECT_EQ(label.buddy, c.buddy);
    }
}

TEST(ListPage, ControlsOfOneGroupDoNotOverlap) {
    for (const TagGroup& group : Catalogue().pages[1]->groups) {
        for (std::size_t i = 0; i < group.controls.size(); ++i)
            for (std::size_t j = i + 1; j < group.controls.size(); ++j) {
                const Rect a = ControlRect(group.controls[i]);
                const Rect b = ControlRect(group.controls[j]);
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(apart) << ControlName(group.controls[i]) << " / " << ControlName(group.controls[j]);
            }
    }
}

}  // namespace
}  // namespace zentaro
