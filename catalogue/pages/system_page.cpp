// Page "系统标签": the head-area calls of the four kinds of page, the
// advertising banner, and the site-wide variables, includes and skin paths.
#include "pages.h"

namespace zentaro {
namespace {

// One row per kind of page: a label, then title, keywords and description.
constexpr int kHeadLabelLeft = 24;
constexpr int kHeadCol1 = 160, kHeadCol2 = 295, kHeadCol3 = 460;
constexpr int kHeadRow1 = 27, kHeadRow2 = 61, kHeadRow3 = 98, kHeadRow4 = 135;

constexpr GroupControl kHeadArea[] = {
    Label{"标签6", "首  页head区域：", {kHeadLabelLeft, kHeadRow1, 136, 24}},
    TagEntry{"首页_标题调用", "标题调用", {kHeadCol1, kHeadRow1, 96, 24}, "{dede:global.cfg_basehost/}"},
    TagEntry{"首页_关键字调用", "关键字调用", {kHeadCol2, kHeadRow1, 104, 24}, "{dede:global.cfg_keywords/}"},
    TagEntry{"首页_描述调用", "描述调用", {kHeadCol3, kHeadRow1, 96, 24}, "{dede:global.cfg_description/}"},

    // The label's text has a second, empty line.
    Label{"标签7", "列表页head区域：\r\n", {kHeadLabelLeft, kHeadRow2, 136, 24}},
    TagEntry{"列表页_标题调用", "标题调用", {kHeadCol1, kHeadRow2, 96, 24},
             "{dede:field.title/}-{dede:global.cfg_webname/}"},
    TagEntry{"列表页_关键字调用", "关键字调用", {kHeadCol2, kHeadRow2, 104, 24}, "{dede:field name='keywords'/}"},
    TagEntry{"列表页_描述调用", "描述调用", {kHeadCol3, kHeadRow2, 96, 24},
             "{dede:field name='description'  function='html2text(@me)'/}"},

    Label{"标签8", "内容页head区域：", {kHeadLabelLeft, kHeadRow3, 136, 24}},
    TagEntry{"内容页_标题调用", "标题调用", {kHeadCol1, kHeadRow3, 96, 24},
             "{dede:field.title/}-{dede:global.cfg_webname/}"},
    TagEntry{"内容页_关键字调用", "关键字调用", {kHeadCol2, kHeadRow3, 104, 24}, "{dede:field.keywords/}"},
    TagEntry{"内容页_描述调用", "描述调用", {kHeadCol3, kHeadRow3, 96, 24},
             "{dede:field.description  function='html2text(@me)'/}"},

    Label{"标签9", "搜索页head区域：", {kHeadLabelLeft, kHeadRow4, 136, 24}},
    TagEntry{"搜索页_标题调用", "标题调用", {kHeadCol1, kHeadRow4, 96, 24}, "搜索页-{dede:global.cfg_webname/}"},
    TagEntry{"搜索页_关键字调用", "关键字调用", {kHeadCol2, kHeadRow4, 104, 24}, "{dede:field name='keywords'/}"},
    TagEntry{"搜索页_描述调用", "描述调用", {kHeadCol3, kHeadRow4, 96, 24},
             "{dede:field name='description' function='html2text(@me)'/}"},
};

constexpr GroupControl kBanner[] = {
    PictureBox{"图片框1", {152, 11, 320, 72}, "ad_banner.png"},
};

// Four rows of four: site variables, more site variables, includes, skin paths.
constexpr int kSysCol1 = 36, kSysCol2 = 175, kSysCol3 = 323, kSysCol4 = 473;
constexpr int kSysRow1 = 30, kSysRow2 = 74, kSysRow3 = 120, kSysRow4 = 160;
constexpr int kSysWidth = 112;

constexpr GroupControl kSiteSettings[] = {
    TagEntry{"站点根目录", "站点根目录", {kSysCol1, kSysRow1, kSysWidth, 24}, "{dede:global.cfg_basehost/}"},
    TagEntry{"主页链接", "主页链接", {kSysCol2, kSysRow1, kSysWidth, 24}, "{dede:global.cfg_indexurl/}"},
    TagEntry{"主页链接名", "主页链接名", {kSysCol3, kSysRow1, kSysWidth, 24}, "{dede:global.cfg_indexname/}"},
    TagEntry{"网站名称", "网站名称", {kSysCol4, kSysRow1, kSysWidth, 24}, "{dede:global.cfg_webname/}"},

    TagEntry{"版权信息", "版权信息", {kSysCol1, kSysRow2, kSysWidth, 24}, "{dede:global.cfg_powerby/}"},
    TagEntry{"站点关键字", "站点关键字", {kSysCol2, kSysRow2, kSysWidth, 24}, "{dede:global.cfg_keywords/}"},
    TagEntry{"站点描述", "站点描述", {kSysCol3, kSysRow2, kSysWidth, 24}, "{dede:global.cfg_description/}"},
    TagEntry{"网站备案号", "网站备案号", {kSysCol4, kSysRow2, kSysWidth, 24}, "{dede:global.cfg_beian/}"},

    TagEntry{"头部调用", "头部调用", {kSysCol1, kSysRow3, kSysWidth, 24}, "{dede:include filename=\"head.htm\" /}"},
    TagEntry{"左侧调用", "左侧调用", {kSysCol2, kSysRow3, kSysWidth, 24}, "{dede:include filename=\"left.htm\" /}"},
    TagEntry{"右侧调用", "右侧调用", {kSysCol3, kSysRow3, kSysWidth, 24}, "{dede:include filename=\"right.htm\" /}"},
    TagEntry{"尾部调用", "尾部调用", {kSysCol4, kSysRow3, kSysWidth, 24}, "{dede:include filename=\"footer.htm\" /}"},

    TagEntry{"CSS路径", "CSS路径", {kSysCol1, kSysRow4, kSysWidth, 24}, "{dede:global.cfg_templets_skin/}/css/"},
    TagEntry{"JS路径", "JS路径", {kSysCol2, kSysRow4, kSysWidth, 24}, "{dede:global.cfg_templets_skin/}/js/"},
    TagEntry{"图片路径", "图片路径", {kSysCol3, kSysRow4, kSysWidth, 24}, "{dede:global.cfg_templets_skin/}/images/"},
    TagEntry{"视频路径", "视频路径", {kSysCol4, kSysRow4, kSysWidth, 24}, "{dede:global.cfg_templets_skin/}/images/"},
};

constexpr TagGroup kGroups[] = {
    {"分组框7", "主页模板Head区域", {7, 23, 632, 162}, kHeadArea},
    {"分组框9", "广告招商", {7, 185, 632, 85}, kBanner},
    {"分组框8", "系统基本配置标签", {5, 270, 632, 189}, kSiteSettings},
};

}  // namespace

constexpr CataloguePage kSystemPage{3, "系统标签", kGroups};

}  // namespace zentaro
