// Page "搜索页标签": the search scripts and keyword, the result list loop with
// its page size, the fields of one result line, and the tag cloud.
#include "pages.h"

namespace zentaro {
namespace {

constexpr GroupControl kSearchHead[] = {
    TagEntry{"搜索页_高级搜索", "高级搜索", {40, 36, 128, 24}, "{dede:global.cfg_cmsurl/}/plus/heightsearch.php"},
    TagEntry{"搜索页_关键字调用3", "关键字调用", {248, 36, 128, 24},
             "{dede:global name='keyword' function='RemoveXSS(@me)'/}"},
    TagEntry{"搜索页_普通搜索", "普通搜索", {456, 36, 128, 24}, "{dede:global.cfg_cmsurl/}/plus/search.php"},
};

constexpr auto kSearchPerPage = AroundField("{dede:list perpage='", "编辑框6", " '}");

constexpr GroupControl kSearchList[] = {
    Label{"搜索页_显示条数", "显示条数", {8, 32, 56, 24}, "编辑框6"},
    ParamField{"编辑框6", {66, 32, 112, 24}},
    TagComposer{"按钮2", kComposeCaption, {186, 32, 64, 24}, {kSearchPerPage}},
    TagEntry{"搜索页_列表开始标签", "列表开始标签", {264, 36, 96, 16}, "{dede:list }"},
    TagEntry{"搜索页_列表结束标签", "列表结束标签", {368, 36, 96, 16}, "{/dede:list}"},
    DemoLink{"搜索页_效果演示", kDemoCaption, {480, 32, 88, 24}, DemoId::SearchPager},
};

constexpr int kCol1 = 24, kCol2 = 168, kCol3 = 312, kCol4 = 456;

constexpr GroupControl kSearchListLine[] = {
    TagEntry{"搜索页_文章标题", "文章标题", {kCol1, 20, 80, 24}, "[field:title/]"},
    TagEntry{"搜索页_标题链接", "标题链接", {kCol2, 20, 80, 24}, "[field:arcurl/]"},
    TagEntry{"搜索页_内容简介", "内容简介", {kCol3, 20, 80, 24}, "[field:description/]..."},
    TagEntry{"搜索页_分类", "分类", {kCol4, 20, 72, 24}, "[field:typename/]"},
    TagEntry{"搜索页_分类链接", "分类链接", {kCol1, 52, 80, 24}, "[field:typeurl/]"},
    TagEntry{"搜索页_点击数", "点击数", {kCol2, 52, 72, 24}, "[field:click/]"},
    TagEntry{"搜索页_日期", "日期", {kCol3, 52, 72, 24}, "[field:stime/]"},
    TagEntry{"搜索页_分页调用", "分页调用", {kCol4, 52, 80, 24}, "{dede:pagelist listsize='4'/}"},
};

constexpr std::string_view kTagSortOrders[] = {"new", "month", "rand", "week"};
constexpr std::string_view kTagFetchTypes[] = {"0", "1"};

constexpr RecipePiece kTagCloud[] = {
    Literal("{dede:tag row='"),
    FieldPiece("编辑框8"),
    Literal("' sort='"),
    FieldPiece("组合框1"),
    Literal("' getall='"),
    FieldPiece("组合框2"),
    Literal("'}<a href='[field:link/]'>[field:tag /]</a>{/dede:tag}"),
};

// The radio buttons of the last two groups carry no caption of their own and
// show the default one.
constexpr std::string_view kBlankRadio = "单选框";

constexpr GroupControl kTagCloudGroup[] = {
    Label{"搜索页_调用条数", "调用条数", {8, 20, 56, 24}, "编辑框8"},
    ParamField{"编辑框8", {66, 20, 56, 24}},
    Label{"搜索页_排序方式", "排序方式", {134, 20, 56, 24}, "组合框1"},
    ChoiceField{"组合框1", {192, 22, 104, 20}, kTagSortOrders},
    Label{"搜索页_获取类型", "获取类型：", {308, 20, 72, 24}, "组合框2"},
    ChoiceField{"组合框2", {382, 22, 104, 20}, kTagFetchTypes},
    TagComposer{"按钮6", kComposeCaption, {500, 20, 56, 24}, {kTagCloud}},
    InertRadio{"单选框17", kBlankRadio, {kCol1, 56, 72, 16}},
    InertRadio{"单选框18", kBlankRadio, {kCol2, 52, 72, 24}},
    InertRadio{"单选框19", kBlankRadio, {kCol3, 52, 72, 24}},
    InertRadio{"单选框16", kBlankRadio, {kCol4, 52, 72, 24}},
};

constexpr GroupControl kSpareRadios[] = {
    InertRadio{"单选框11", kBlankRadio, {kCol1, 20, 72, 24}},
    InertRadio{"单选框12", kBlankRadio, {kCol2, 20, 72, 24}},
    InertRadio{"单选框13", kBlankRadio, {kCol3, 20, 72, 24}},
    InertRadio{"单选框15", kBlankRadio, {kCol4, 20, 72, 24}},
};

constexpr TagGroup kGroups[] = {
    {"搜索页头部", "搜索页头部", {7, 20, 640, 96}, kSearchHead},
    {"搜索页列表页标签", "搜索页列表页标签", {13, 118, 632, 72}, kSearchList},
    {"分组框16", "搜索页列表底层标签", {13, 190, 632, 88}, kSearchListLine},
    {"分组框17", "搜索页列表页底层标签", {13, 288, 632, 88}, kTagCloudGroup},
    {"分组框18", "", {13, 398, 616, 56}, kSpareRadios},
};

}  // namespace

constexpr CataloguePage kSearchPage{4, "搜索页标签", kGroups};

}  // namespace zentaro
