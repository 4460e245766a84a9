// Page "首页标签": the navigation bar, the article list and its attributes,
// the inner fields of one list line, and the friendly-link tag.
#include "pages.h"

namespace zentaro {
namespace {

constexpr GroupControl kNavigationTemplate[] = {
    TagEntry{"导航开始标签", "导航开始标签", {16, 22, 96, 24}, "{dede:channel                      }"},
    TagEntry{"栏目名称", "栏目名称", {120, 22, 80, 24}, "[field:typename/]"},
    TagEntry{"栏目链接", "栏目链接", {216, 22, 80, 24}, "[field:typelink/]"},
    TagEntry{"栏目ID", "栏目ID", {312, 22, 72, 24}, "[field:id/]"},
    TagEntry{"属性样式标签", "属性样式标签", {400, 22, 104, 24},
             " currentstyle=\"<li><a href='~typelink~' class='thisclass'>~typename~</a> </li>\""},
    TagEntry{"导航结束标签", "导航结束标签", {520, 22, 96, 24}, "{/dede:channel}"},
};

constexpr auto kChannelRow = AroundField("  row='", "编辑框2", " '");
constexpr auto kChannelType = AroundField("  type ='", "编辑框4", " '");
constexpr auto kChannelTypeId = AroundField("  typeid ='", "编辑框3", " '");
constexpr auto kChannelParentId = AroundField("   reid ='", "编辑框5", " '");

constexpr GroupControl kChannelAttributes[] = {
    Label{"栏目个数", "栏目个数", {8, 19, 56, 24}, "编辑框2"},
    ParamField{"编辑框2", {64, 17, 80, 28}},
    TagComposer{"导航个数_按钮", kComposeCaption, {152, 19, 72, 24}, {kChannelRow}},
    Label{"标签2", "", {184, 19, 88, 24}},
    Label{"导航类型1", "导航类型", {296, 19, 56, 24}, "编辑框4"},
    ParamField{"编辑框4", {352, 17, 80, 28}},
    PickerLink{"导航类型_属性值", kPickerCaption, {440, 19, 52, 24}, PickerId::NavigationType},
    TagComposer{"导航类型_按钮", kComposeCaption, {500, 19, 72, 24}, {kChannelType}},
    Label{"栏目ID1", "栏目ID", {8, 51, 56, 24}, "编辑框3"},
    ParamField{"编辑框3", {64, 49, 80, 28}},
    TagComposer{"栏目ID_按钮", kComposeCaption, {152, 51, 72, 24}, {kChannelTypeId}},
    Label{"上级栏目ID1", "上级栏目ID", {280, 51, 72, 24}, "编辑框5"},
    ParamField{"编辑框5", {352, 49, 80, 28}},
    TagComposer{"上级栏目ID_按钮", kComposeCaption, {440, 51, 72, 24}, {kChannelParentId}},
};

constexpr auto kArcRow = AroundField("  row='", "调用条数_编辑框6", "'");
constexpr auto kArcTitleLength = AroundField("  titlelen ='", "标题长度_编辑框1", "'");
constexpr auto kArcOrderBy = AroundField("  orderby =' ", "排序方式_编辑框2", "  '");
constexpr auto kArcChannelId = AroundField("  channelid ='", "频道ID_编辑框1", " '");
constexpr auto kArcImageWidth = AroundField("  imgwidth='", "缩略图宽_编辑框", " '");
constexpr auto kArcFlag = AroundField("  flag='", "自定属性_编辑框", " '");
constexpr auto kArcInfoLength = AroundField("  infolen='", "简介长度_编辑框", " '");
constexpr auto kArcImageHeight = AroundField("  imgheight='", "缩略图高_编辑框", " '");
constexpr auto kArcAddFields = AroundField("  addfields='", "增加字段_编辑框", " '");
constexpr auto kArcSubDay = AroundField("   subday='", "显示天数_编辑框", "'");
constexpr auto kArcTypeId = AroundField("  typeid='", "栏目ID_编辑框", " '");

// Three columns of label, field, optional picker link and composer.
constexpr int kCol1 = 10, kCol2 = 210, kCol3 = 400;
constexpr int kRow1 = 22, kRow2 = 62, kRow3 = 102, kRow4 = 142;

constexpr GroupControl kArticleList[] = {
    Label{"调用条数", "调用条数", {kCol1, kRow1, 52, 24}, "调用条数_编辑框6"},
    ParamField{"调用条数_编辑框6", {kCol1 + 54, kRow1, 48, 24}},
    TagComposer{"调用条数_按钮", kComposeCaption, {kCol1 + 106, kRow1, 60, 24}, {kArcRow}},
    Label{"标题长度", "标题长度", {kCol2, kRow1, 52, 24}, "标题长度_编辑框1"},
    ParamField{"标题长度_编辑框1", {kCol2 + 54, kRow1, 48, 24}},
    TagComposer{"标题长度_按钮", kComposeCaption, {kCol2 + 106, kRow1, 60, 24}, {kArcTitleLength}},
    Label{"排序方式", "排序方式", {kCol3, kRow1, 52, 24}, "排序方式_编辑框2"},
    ParamField{"排序方式_编辑框2", {kCol3 + 54, kRow1, 48, 24}},
    PickerLink{"排序方式_属性值", kPickerCaption, {kCol3 + 106, kRow1, 52, 24}, PickerId::OrderBy},
    TagComposer{"排序方式_按钮", kComposeCaption, {kCol3 + 162, kRow1, 60, 24}, {kArcOrderBy}},

    Label{"频道ID", "频道 I D", {kCol1, kRow2, 52, 24}, "频道ID_编辑框1"},
    ParamField{"频道ID_编辑框1", {kCol1 + 54, kRow2, 48, 24}},
    TagComposer{"频道ID_按钮", kComposeCaption, {kCol1 + 106, kRow2, 60, 24}, {kArcChannelId}},
    Label{"缩略图宽", "缩略图宽", {kCol2, kRow2, 52, 24}, "缩略图宽_编辑框"},
    ParamField{"缩略图宽_编辑框", {kCol2 + 54, kRow2, 48, 24}},
    TagComposer{"缩略图宽_按钮", kComposeCaption, {kCol2 + 106, kRow2, 60, 24}, {kArcImageWidth}},
    Label{"自定属性", "自定属性", {kCol3, kRow2, 52, 24}, "自定属性_编辑框"},
    ParamField{"自定属性_编辑框", {kCol3 + 54, kRow2, 48, 24}},
    PickerLink{"自定属性_属性值", kPickerCaption, {kCol3 + 106, kRow2, 52, 24}, PickerId::Flag},
    TagComposer{"自定属性_按钮", kComposeCaption, {kCol3 + 162, kRow2, 60, 24}, {kArcFlag}},

    Label{"简介长度", "简介长度", {kCol1, kRow3, 52, 24}, "简介长度_编辑框"},
    ParamField{"简介长度_编辑框", {kCol1 + 54, kRow3, 48, 24}},
    TagComposer{"简介长度_按钮", kComposeCaption, {kCol1 + 106, kRow3, 60, 24}, {kArcInfoLength}},
    Label{"缩略图宽1", "缩略图高", {kCol2, kRow3, 52, 24}, "缩略图高_编辑框"},
    ParamField{"缩略图高_编辑框", {kCol2 + 54, kRow3, 48, 24}},
    TagComposer{"缩略图高_按钮", kComposeCaption, {kCol2 + 106, kRow3, 60, 24}, {kArcImageHeight}},
    Label{"增加字段", "增加字段", {kCol3, kRow3, 52, 24}, "增加字段_编辑框"},
    ParamField{"增加字段_编辑框", {kCol3 + 54, kRow3, 48, 24}},
    TagComposer{"增加字段_按钮", kComposeCaption, {kCol3 + 106, kRow3, 60, 24}, {kArcAddFields}},

    Label{"显示天数", "显示天数", {kCol1, kRow4, 52, 24}, "显示天数_编辑框"},
    ParamField{"显示天数_编辑框", {kCol1 + 54, kRow4, 48, 24}},
    TagComposer{"显示天数_按钮", kComposeCaption, {kCol1 + 106, kRow4, 60, 24}, {kArcSubDay}},
    Label{"栏目ID2", "栏目 I D", {kCol2, kRow4, 52, 24}, "栏目ID_编辑框"},
    ParamField{"栏目ID_编辑框", {kCol2 + 54, kRow4, 48, 24}},
    TagComposer{"频道ID2_按钮", kComposeCaption, {kCol2 + 106, kRow4, 60, 24}, {kArcTypeId}},
    TagEntry{"文章开始标签", "文章开始标签", {kCol3, kRow4, 104, 24}, "{dede:arclist                     }"},
    TagEntry{"文章结束标签", "文章结束标签", {kCol3 + 112, kRow4, 104, 24}, "{/dede:arclist}"},
};

constexpr GroupControl kArticleListLine[] = {
    TagEntry{"单选框3", "文字标题", {16, 18, 80, 24}, "[field:title/]"},
    TagEntry{"单选框4", "标题链接", {112, 18, 80, 24}, "[field:arcurl/]"},
    TagEntry{"单选框5", "发布时间", {208, 18, 80, 24}, "[field:pubdate function=\"MyDate('m-d',@me)\"/]"},
    TagEntry{"单选框6", "所属栏目", {304, 18, 80, 24}, "[field:typename/]"},
    TagEntry{"单选框7", "栏目链接", {400, 18, 80, 24}, "[field:typeurl/]"},
    DemoLink{"效果演示", kDemoCaption, {520, 16, 60, 25}, DemoId::ArticleList},
};

constexpr RecipePiece kFriendLink[] = {
    Literal("{dede:flink titlelen='"),
    FieldPiece("文字长度_编辑框2"),
    Literal(" ' row='"),
    FieldPiece("链接数量_编辑框"),
    Literal("' type='"),
    FieldPiece("链接类型_编辑框"),
    Literal(" '}  [field:link /]  {/dede:flink}"),
};

constexpr GroupControl kFriendLinks[] = {
    Label{"标签3", "文字长度", {8, 16, 56, 24}, "文字长度_编辑框2"},
    ParamField{"文字长度_编辑框2", {64, 16, 64, 24}},
    Label{"标签4", "链接数量", {140, 16, 56, 24}, "链接数量_编辑框"},
    ParamField{"链接数量_编辑框", {196, 16, 64, 24}},
    Label{"标签5", "链接类型", {272, 16, 56, 24}, "链接类型_编辑框"},
    ParamField{"链接类型_编辑框", {328, 16, 64, 24}},
    PickerLink{"自定属性_属性值1", kPickerCaption, {400, 16, 52, 24}, PickerId::FriendLinkType},
    TagComposer{"频道ID_按钮6", kComposeCaption, {460, 16, 60, 24}, {kFriendLink}},
};

constexpr TagGroup kGroups[] = {
    {"导航底层模板标签", "导航底层模板标签", {4, 24, 640, 56}, kNavigationTemplate},
    {"导航标签channel1", "导航标签channel", {4, 84, 639, 83}, kChannelAttributes},
    {"分组框4", "文章列表标签arclist", {3, 168, 640, 187}, kArticleList},
    {"分组框5", "文章列表底层标签", {3, 358, 639, 48}, kArticleListLine},
    {"分组框6", "友情链接标签", {3, 410, 640, 48}, kFriendLinks},
};

}  // namespace

constexpr CataloguePage kHomePage{0, "首页标签", kGroups};

}  // namespace zentaro
