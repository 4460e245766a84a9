// Page "列表页标签": the list loop and its page size, the fields of one list
// line, the description length, the related-articles block and the pager.
#include "pages.h"

namespace zentaro {
namespace {

constexpr auto kListPageSize = AroundField("{dede:list pagesize ='", "显示条数_编辑框", "'}");

constexpr GroupControl kListLoop[] = {
    Label{"标签10", "显示条数：", {8, 24, 68, 20}, "显示条数_编辑框"},
    ParamField{"显示条数_编辑框", {76, 22, 56, 20}},
    TagComposer{"显示条数_按钮", kComposeCaption, {140, 20, 56, 24}, {kListPageSize}},
    TagEntry{"列表开始标签", "列表开始标签", {208, 20, 96, 24}, "{dede:list}"},
    TagEntry{"列表结束标签", "列表结束标签", {312, 24, 120, 16}, "{/dede:list}"},
    DemoLink{"按钮3", "文章页效果", {448, 20, 80, 24}, DemoId::ArticleListPage},
    DemoLink{"按钮4", "软件页效果", {540, 20, 80, 24}, DemoId::SoftwareListPage},
};

// Six columns, three rows.
constexpr int kC1 = 16, kC2 = 118, kC3 = 220, kC4 = 322, kC5 = 424, kC6 = 526;
constexpr int kR1 = 20, kR2 = 54, kR3 = 88;

constexpr GroupControl kListLine[] = {
    TagEntry{"标题", "标题", {kC1, kR1, 64, 24}, "[field:title/]"},
    TagEntry{"标题链接", "标题链接", {kC2, kR1, 72, 24}, "[field:arcurl/]"},
    TagEntry{"所属栏目", "所属栏目", {kC3, kR1, 72, 24}, "[field:typelink/]"},
    TagEntry{"缩略图", "缩略图", {kC4, kR1, 64, 24}, "[field:picname/]"},
    TagEntry{"缩略图链接", "缩略图链接", {kC5, kR1, 88, 24}, "[field:arcurl/]"},
    TagEntry{"日期", "日期", {kC6, kR1, 64, 24}, "[field:pubdate function=\"GetDateTimeMK(@me)\"/]"},

    TagEntry{"推荐级别", "推荐级别", {kC1, kR2, 72, 24}, "[field:softrank function='GetRankStar(@me)'/]"},
    TagEntry{"软件语言", "软件语言", {kC2, kR2, 72, 24}, "[field:language/]"},
    TagEntry{"点击数", "点击数", {kC3, kR2, 64, 24}, "[field:click/]"},
    TagEntry{"好评数", "好评数", {kC4, kR2, 64, 24}, "[field:scores/]"},
    TagEntry{"数字排序标签", "数字排序标签", {kC5, kR2, 96, 24}, "[field:global.autoindex/]"},
    TagEntry{"日期2", "日期2", {kC6, kR2, 64, 24}, "[field:pubdate function=\"MyDate('Y-m-d',@me)\"/]"},

    TagEntry{"软件等级", "软件等级", {kC1, kR3, 72, 24}, "<img src=\"/images/star[field:softrank/].gif \">"},
    TagEntry{"简略标题", "简略标题", {kC2, kR3, 72, 24}, "[field:shorttitle/]"},
    TagEntry{"SEO标题", "SEO标题", {kC3, kR3, 72, 24}, "{dede:field.seotitle /}"},
    TagEntry{"封面简介", "封面简介", {kC4, kR3, 72, 24}, "{dede:field.content/}"},
    TagEntry{"显示全部标题", "显示全部标题", {kC5, kR3, 96, 24}, "[field:fulltitle/]"},
};

constexpr auto kDescription =
    AroundField(" [field:description function=\"cn_substr(@me,", "生成标签_编辑框", ")\"/]...");

constexpr GroupControl kDescriptionLength[] = {
    Label{"标签11", "显示字节数：", {16, 28, 80, 20}, "生成标签_编辑框"},
    ParamField{"生成标签_编辑框", {96, 24, 104, 26}},
    TagComposer{"简介长度_生成标签", kComposeCaption, {212, 24, 88, 26}, {kDescription}},
};

constexpr RecipePiece kLikeArticle[] = {
    Literal("{dede:likearticle mytypeid='"),
    FieldPiece("相关文章_编辑框"),
    Literal("' titlelen='"),
    FieldPiece("标题长度_编辑框"),
    Literal(" ' row='"),
    FieldPiece("调用条数_编辑框"),
    Literal("'}{/dede:likearticle}"),
};

constexpr GroupControl kRelatedArticles[] = {
    Label{"相关文章_栏目ID", "栏目ID：", {12, 34, 56, 20}, "相关文章_编辑框"},
    ParamField{"相关文章_编辑框", {70, 30, 80, 24}},
    Label{"标签12", "标题长度：", {170, 34, 68, 20}, "标题长度_编辑框"},
    ParamField{"标题长度_编辑框", {240, 30, 80, 24}},
    Label{"标签13", "调用条数：", {340, 34, 68, 20}, "调用条数_编辑框"},
    ParamField{"调用条数_编辑框", {410, 30, 80, 24}},
    TagComposer{"相关文章_生成标签1", kComposeCaption, {510, 29, 88, 26}, {kLikeArticle}},
};

constexpr auto kPager = AroundField(
    "<div class=\"dede_pages\" ><ul class=pagelist>{dede:pagelist listitem=\" info,index,end,pre,next,pageno,option\""
    "listsize=\"",
    "列表页分页_编辑框1", "\"/}</ul></div>");

constexpr GroupControl kPagerGroup[] = {
    Label{"标签14", "标题长度：", {12, 32, 68, 20}, "列表页分页_编辑框1"},
    ParamField{"列表页分页_编辑框1", {82, 28, 80, 24}},
    PickerLink{"说明_按钮", "说明", {170, 28, 45, 24}, PickerId::PagerSize},
    DemoLink{"标题长度_效果演示", kDemoCaption, {224, 28, 88, 24}, DemoId::Pager},
    TagComposer{"列表页分页_生成标签2", kComposeCaption, {322, 27, 88, 26}, {kPager}},
};

constexpr TagGroup kGroups[] = {
    {"分组框10", "列表标签", {3, 31, 644, 56}, kListLoop},
    {"分组框11", "列表底层模板标签", {3, 97, 644, 125}, kListLine},
    {"分组框12", "简介长度", {3, 227, 644, 68}, kDescriptionLength},
    {"分组框13", "相关文章调用", {2, 301, 645, 80}, kRelatedArticles},
    {"分组框14", "列表页分页标签", {2, 384, 640, 72}, kPagerGroup},
};

}  // namespace

constexpr CataloguePage kListPage{1, "列表页标签", kGroups};

}  // namespace zentaro
