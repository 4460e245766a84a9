// The parameter pickers: their windows, their items, and the fields they feed.
#include "test_support.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace zentaro {
namespace {

using testing::Compose;
using testing::FakeFields;

struct PickerCase {
    PickerId id;
    std::string_view title;
    Size outer;
    std::string_view link;   // the button that opens it
    int page;                // the notebook page holding the link and the field
    std::string_view field;  // where every item writes
};

const PickerCase kPickers[] = {
    {PickerId::NavigationType, "导航属性选择", {188, 207}, "导航类型_属性值", 0, "编辑框4"},
    {PickerId::OrderBy, "OrderBy参数", {252, 245}, "排序方式_属性值", 0, "排序方式_编辑框2"},
    {PickerId::Flag, "Flag参数", {192, 329}, "自定属性_属性值", 0, "自定属性_编辑框"},
    {PickerId::FriendLinkType, "友情链接参数", {204, 168}, "自定属性_属性值1", 0, "链接类型_编辑框"},
    {PickerId::PagerSize, "页码说明", {218, 245}, "说明_按钮", 1, "列表页分页_编辑框1"},
};

struct ItemCase {
    PickerId picker;
    std::string_view caption;
    std::string_view control;
    std::string_view value;
    std::string_view field;
    int top;
};

const ItemCase kItems[] = {
    {PickerId::NavigationType, R"~(顶级栏目Top)~", "顶级栏目Top", "top", "编辑框4", 19},
    {PickerId::NavigationType, R"~(同级栏目Self)~", "单选框1", "self", "编辑框4", 66},
    {PickerId::NavigationType, R"~(下级栏目Son)~", "单选框3", "son", "编辑框4", 117},

    {PickerId::OrderBy, R"~(按点击数排列 click)~", "单选框1", "click", "排序方式_编辑框2", 13},
    {PickerId::OrderBy, R"~(按发布时间排列 pubdate)~", "单选框4", "pubdate", "排序方式_编辑框2", 45},
    {PickerId::OrderBy, R"~(按最后评论时间排列 lastpost)~", "单选框7", "lastpost", "排序方式_编辑框2", 79},
    {PickerId::OrderBy, R"~(按得分排列 scores)~", "单选框6", "scores", "排序方式_编辑框2", 113},
    {PickerId::OrderBy, R"~(按文章ID排列 id)~", "单选框5", "id", "排序方式_编辑框2", 150},
    {PickerId::OrderBy, R"~(按随机条件排列 rand)~", "单选框3", "rand", "排序方式_编辑框2", 184},

    {PickerId::Flag, R"~(头条 h)~", "头条", "h", "自定属性_编辑框", 26},
    {PickerId::Flag, R"~(推荐 c)~", "推荐", "c", "自定属性_编辑框", 59},
    {PickerId::Flag, R"~(图片 p)~", "图片", "p", "自定属性_编辑框", 96},
    {PickerId::Flag, R"~(幻灯 f)~", "幻灯", "f", "自定属性_编辑框", 128},
    {PickerId::Flag, R"~(滚动 s)~", "滚动", "s", "自定属性_编辑框", 160},
    {PickerId::Flag, R"~(跳转 j)~", "跳转", "j", "自定属性_编辑框", 193},
    {PickerId::Flag, R"~(特推 a)~", "特推", "a", "自定属性_编辑框", 231},
    {PickerId::Flag, R"~(加粗 b)~", "加粗", "b", "自定属性_编辑框", 264},

    {PickerId::FriendLinkType, R"~(图片链接 image)~", "图片链接", "image", "链接类型_编辑框", 32},
    {PickerId::FriendLinkType, R"~(文字链接 text)~", "文字链接", "text", "链接类型_编辑框", 80},

    {PickerId::PagerSize, R"~(1(显示3个页码))~", "单选框1", "1", "列表页分页_编辑框1", 18},
    {PickerId::PagerSize, R"~(2(显示5个页码))~", "单选框4", "2", "列表页分页_编辑框1", 55},
    {PickerId::PagerSize, R"~(3(显示7个页码))~", "单选框3", "3", "列表页分页_编辑框1", 89},
    {PickerId::PagerSize, R"~(4(显示9个页码))~", "单选框2", "4", "列表页分页_编辑框1", 123},
};

std::vector<PickerItem> ItemsOf(PickerId id) {
    std::vector<PickerItem> items;
    for (const WindowControl& control : Picker(id).controls)
        if (const auto* item = std::get_if<PickerItem>(&control)) items.push_back(*item);
    return items;
}

// A click on the picker's item of that caption: the item's value replaces its field's text.
void Pick(PickerId id, std::string_view caption, FakeFields& fields) {
    for (const PickerItem& item : ItemsOf(id))
        if (item.caption == caption) {
            fields.Set(std::string(item.field), std::string(item.value));
            return;
        }
    ADD_FAILURE() << "no item " << caption;
}

struct Place {
    int page;
    std::string_view group;
};

std::optional<Place> WhereIs(std::string_view control) {
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& c : group.controls)
                if (ControlName(c) == control) return Place{page->index, group.name};
    return std::nullopt;
}

TEST(Pickers, EachHasItsTitleAndOuterSize) {
    ASSERT_EQ(AllPickers().size(), std::size(kPickers));
    for (const PickerCase& c : kPickers) {
        SCOPED_TRACE(std::string(c.title));
        const PickerWindow& window = Picker(c.id);
        EXPECT_EQ(window.title, c.title);
        EXPECT_EQ(window.outer.width, c.outer.width);
        EXPECT_EQ(window.outer.height, c.outer.height);
    }
}

TEST(Pickers, ItemsInOrderWithCaptionNameValueAndField) {
    for (const PickerCase& p : kPickers) {
        SCOPED_TRACE(std::string(p.title));
        std::vector<ItemCase> expected;
        for (const ItemCase& c : kItems)
            if (c.picker == p.id) expected.push_back(c);
        const std::vector<PickerItem> items = ItemsOf(p.id);
        ASSERT_EQ(items.size(), expected.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            SCOPED_TRACE(std::string(expected[i].caption));
            EXPECT_EQ(items[i].caption, expected[i].caption);
            EXPECT_EQ(items[i].name, expected[i].control);
            EXPECT_EQ(items[i].value, expected[i].value);
            EXPECT_EQ(items[i].field, expected[i].field);
            EXPECT_EQ(items[i].rect.top, expected[i].top);
        }
    }
}

TEST(Pickers, TargetIsAFieldBesideTheOpeningLink) {
    for (const PickerCase& p : kPickers) {
        SCOPED_TRACE(std::string(p.title));
        const auto link = FindControl(p.link);
        ASSERT_TRUE(link && std::holds_alternative<PickerLink>(*link));
        EXPECT_EQ(std::get<PickerLink>(*link).picker, p.id);

        const auto field = FindControl(p.field);
        ASSERT_TRUE(field && std::holds_alternative<ParamField>(*field));
        const auto linkPlace = WhereIs(p.link);
        const auto fieldPlace = WhereIs(p.field);
        ASSERT_TRUE(linkPlace && fieldPlace);
        EXPECT_EQ(fieldPlace->page, p.page);
        EXPECT_EQ(linkPlace->page, p.page);
        EXPECT_EQ(linkPlace->group, fieldPlace->group);

        for (const PickerItem& item : ItemsOf(p.id)) EXPECT_EQ(item.field, p.field) << item.name;
    }
}

TEST(Pickers, EveryLinkOpensAPickerAndEveryPickerHasOneLink) {
    std::vector<PickerId> opened;
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls)
                if (const auto* link = std::get_if<PickerLink>(&control)) opened.push_back(link->picker);
    for (const PickerCase& p : kPickers)
        EXPECT_EQ(std::count(opened.begin(), opened.end(), p.id), 1) << p.title;
    EXPECT_EQ(opened.size(), std::size(kPickers));
}

// Windows 10 metrics of a fixed frame with a caption: 7 px frame, 23 px caption.
constexpr int kFrame = 7;
constexpr int kCaption = 23;

TEST(Pickers, ItemsFitTheClientAreaOneBelowAnother) {
    for (const PickerCase& p : kPickers) {
        SCOPED_TRACE(std::string(p.title));
        const int clientWidth = p.outer.width - 2 * kFrame;
        const int clientHeight = p.outer.height - kCaption - 2 * kFrame;
        int previousBottom = 0;
        for (const PickerItem& item : ItemsOf(p.id)) {
            SCOPED_TRACE(std::string(item.caption));
            EXPECT_GE(item.rect.left, 0);
            EXPECT_LE(item.rect.left + item.rect.width, clientWidth);
            EXPECT_GE(item.rect.top, previousBottom);
            EXPECT_LE(item.rect.top + item.rect.height, clientHeight);
            EXPECT_GT(item.rect.width, 0);
            EXPECT_GT(item.rect.height, 0);
            previousBottom = item.rect.top + item.rect.height;
        }
    }
}

TEST(Pickers, PagerPickerExplainsTheRuleBelowItsItems) {
    const PickerWindow& window = Picker(PickerId::PagerSize);
    const TextLabel* label = nullptr;
    int itemsBottom = 0;
    for (const WindowControl& control : window.controls) {
        if (const auto* l = std::get_if<TextLabel>(&control)) label = l;
        if (const auto* item = std::get_if<PickerItem>(&control))
            itemsBottom = std::max(itemsBottom, item->rect.top + item->rect.height);
    }
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->name, "标签1");
    EXPECT_EQ(label->text, R"~(依次后推，输入得到*2+1个页码)~");
    EXPECT_EQ(label->rect.left, 30);
    EXPECT_EQ(label->rect.top, 149);
    EXPECT_EQ(label->rect.width, 192);
    EXPECT_EQ(label->rect.height, 40);
    EXPECT_EQ(label->rgb, 0x000000u);
    EXPECT_EQ(label->pixelHeight, 0);
    EXPECT_TRUE(label->wordWrap);
    EXPECT_GE(label->rect.top, itemsBottom);
    EXPECT_LE(label->rect.top + label->rect.height, window.outer.height - kCaption - 2 * kFrame);

    // No other picker carries a label.
    for (const PickerCase& p : kPickers) {
        if (p.id == PickerId::PagerSize) continue;
        for (const WindowControl& control : Picker(p.id).controls)
            EXPECT_TRUE(std::holds_alternative<PickerItem>(control)) << p.title;
    }
}

// Every field of the pages the pickers feed, so that a value landing in the
// wrong field shows in the composed text.
const std::string_view kNoiseFields[] = {
    "编辑框2", "编辑框4", "编辑框3", "编辑框5", "调用条数_编辑框6", "标题长度_编辑框1", "排序方式_编辑框2",
    "频道ID_编辑框1", "缩略图宽_编辑框", "自定属性_编辑框", "简介长度_编辑框", "缩略图高_编辑框", "增加字段_编辑框",
    "显示天数_编辑框", "栏目ID_编辑框", "文字长度_编辑框2", "链接数量_编辑框", "链接类型_编辑框",
    "显示条数_编辑框", "生成标签_编辑框", "相关文章_编辑框", "标题长度_编辑框", "调用条数_编辑框",
    "列表页分页_编辑框1",
};

TEST(Pickers, PickedValueReachesTheOutputThroughTheRowsComposer) {
    struct Case {
        PickerId picker;
        std::string_view caption;
        std::string_view composer;
        std::string_view written;
    };
    const Case cases[] = {
        {PickerId::OrderBy, "按点击数排列 click", "排序方式_按钮", R"~(  orderby =' click  ')~"},
        {PickerId::NavigationType, "同级栏目Self", "导航类型_按钮", R"~(  type ='self ')~"},
        {PickerId::Flag, "加粗 b", "自定属性_按钮", R"~(  flag='b ')~"},
        {PickerId::FriendLinkType, "图片链接 image", "频道ID_按钮6",
         R"~({dede:flink titlelen='other ' row='other' type='image '}  [field:link /]  {/dede:flink})~"},
        {PickerId::PagerSize, "2(显示5个页码)", "列表页分页_生成标签2",
         R"~(<div class="dede_pages" ><ul class=pagelist>{dede:pagelist listitem=" info,index,end,pre,next,pageno,option"listsize="2"/}</ul></div>)~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption));
        FakeFields fields;
        for (std::string_view name : kNoiseFields) fields.Set(std::string(name), "other");
        Pick(c.picker, c.caption, fields);
        EXPECT_EQ(Compose(c.composer, fields), c.written);
    }
}

}  // namespace
}  // namespace zentaro
