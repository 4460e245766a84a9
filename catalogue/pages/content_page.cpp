// Page "内容页标签": the fields of an article, of a software download, the
// picture lists of the two album template styles, and the tags every content
// page uses. Entries only; block tags come as separate opening and closing halves.
#include "pages.h"

namespace zentaro {
namespace {

constexpr GroupControl kArticleModel[] = {
    TagEntry{"内容页_文章标题", "文章标题", {24, 22, 80, 24}, "{dede:field.title/}"},
    TagEntry{"内容页_发布时间", "发布时间", {168, 22, 80, 24},
             "{dede:field.pubdate function=\"MyDate('Y-m-d H:i',@me)\"/}"},
    TagEntry{"内容页_文章来源", "文章来源", {288, 22, 80, 24}, "{dede:field.writer/}"},
    TagEntry{"内容页_作者", "作者", {408, 22, 80, 24}, "{dede:field.writer/}"},
    TagEntry{"内容页_点击数", "点击数", {520, 22, 80, 24},
             "<script src=\"{dede:field name='phpurl'/}/count.php?view=yes&aid={dede:field name='id'/}"
             "&mid={dede:field name='mid'/}\"type='text/javascript' language=\"javascript\"></script>"},
    TagEntry{"内容页_责任编辑", "责任编辑", {24, 54, 80, 24}, "{dede:adminname/}"},
    // Self-closing: without the slash the template engine waits for a closing tag.
    TagEntry{"内容页_文章简介", "文章简介", {168, 54, 80, 24}, "{dede:field.description/}"},
    TagEntry{"内容页_文章正文", "文章正文", {288, 54, 80, 24}, "{dede:field.body/}"},
    TagEntry{"单选框14", "简略标题", {408, 54, 80, 24}, "{dede:field.shorttitle/}"},
};

constexpr GroupControl kSoftwareModel[] = {
    TagEntry{"内容页_软件类型", "软件类型", {8, 15, 80, 24}, "{dede:field.softtype/}"},
    TagEntry{"内容页_授权方式", "授权方式", {152, 15, 80, 24}, "{dede:field.accredit/}"},
    TagEntry{"内容页_界面语言", "界面语言", {272, 15, 80, 24}, "{dede:field.language/}"},
    TagEntry{"内容页_软件大小", "软件大小", {392, 15, 80, 24}, "{dede:field.softsize/}"},
    TagEntry{"内容页_文件类型", "文件类型", {504, 15, 80, 24}, "{dede:field.filetype/}"},

    TagEntry{"内容页_运行环境", "运行环境", {8, 47, 80, 24}, "{dede:field.os/}"},
    TagEntry{"内容页_软件等级2", "软件等级2", {152, 47, 80, 24}, "{dede:field.softrank function='GetRankStar(@me)'/}"},
    TagEntry{"内容页_发布时间11", "发布时间", {272, 47, 80, 24}, "{dede:field.pubdate function=\"GetDateMk('@me')\"/}"},
    TagEntry{"内容页_官方网址", "官方网址", {392, 47, 80, 24}, "{dede:field.officialurl/}"},
    TagEntry{"内容页_演示网址", "演示网址", {504, 42, 80, 24}, "{dede:field.officialdemo/}"},

    TagEntry{"内容页_下载次数", "下载次数", {8, 75, 80, 24},
             "<script src=\"{dede:field.phpurl/}/disdls.php?aid={dede:field.id/}\" language=\"javascript\"></script>"},
    TagEntry{"内容页_软件图片", "软件图片", {152, 75, 80, 24}, "{dede:field name='image'/}"},
    TagEntry{"内容页_下载地址", "下载地址", {272, 75, 80, 24}, "{dede:field name='softlinks'/}"},
    TagEntry{"内容页_软件介绍", "软件介绍", {392, 75, 80, 24}, "{dede:field.introduce/}"},
    TagEntry{"内容页_下载说明", "下载说明", {504, 75, 80, 24}, "{dede:softmsg/}"},

    // Ends with a space, and the src value has one before its closing quote.
    TagEntry{"内容页_软件等级4", "软件等级", {8, 103, 80, 24}, "<img src=\"/images/star{dede:field name='softrank'/}.gif \"> "},
};

constexpr GroupControl kPictureListNew[] = {
    TagEntry{"内容页_图片列表开始", "图片列表开始", {8, 19, 95, 24}, "{dede:productimagelist}"},
    TagEntry{"内容页_图片列表结束", "图片列表结束", {112, 19, 95, 24}, "{/dede:productimagelist}"},
    TagEntry{"内容页_图片显示", "图片显示", {216, 18, 80, 24}, "[field:imgsrc/]"},
    TagEntry{"内容页_图片链接", "图片链接", {320, 19, 80, 24}, "javascript:ChangePic('[field:imgsrc/]', '#bigpicimg');"},
    TagEntry{"内容页_图片title", "图片title", {408, 19, 80, 24}, "[field:text/]"},
    TagEntry{"内容页_图片缩略图", "图片缩略图", {504, 19, 80, 24}, "{dede:field name='imgurls' alt='图片输出区'}"},
};

constexpr GroupControl kPictureListImages[] = {
    TagEntry{"内容页_图片列表开始1", "图片列表开始", {8, 16, 95, 24}, "{dede:field name='imgurls' alt='图片输出区'}"},
    TagEntry{"内容页_图片列表结束1", "图片列表结束", {152, 16, 95, 24}, "{/dede:field}"},
    TagEntry{"内容页_图片来源", "图片来源", {272, 15, 80, 24}, "[field:imgsrc/]"},
    TagEntry{"内容页_图片链接3", "图片链接", {392, 16, 80, 24}, "[field:linkurl/]"},
    TagEntry{"内容页_图片alt", "图片alt", {504, 16, 80, 24}, "[field:alttext /]"},

    TagEntry{"内容页_shortname", "shortname", {8, 42, 80, 24}, "{dede:global.art_shortname/}"},
    TagEntry{"内容页_npage", "nowpage", {152, 42, 80, 24}, "{dede:field name='nowpage'/}"},
    TagEntry{"内容页_totalpage", "totalpage", {272, 42, 80, 24}, "{dede:field name='totalpage'/}"},
    TagEntry{"内容页_displaytype", "displaytype", {392, 42, 88, 24}, "{dede:field name='displaytype'/}"},
    TagEntry{"内容页_ID", "ID", {504, 42, 80, 24}, "{dede:field name='id'/}"},
};

constexpr GroupControl kCommonContent[] = {
    TagEntry{"内容页_当前位置", "当前位置", {8, 15, 80, 24}, "{dede:field name='position'/}"},
    TagEntry{"内容页_上一篇", "上一篇", {152, 15, 80, 24}, "{dede:prenext get='pre'/}"},
    TagEntry{"内容页_下一篇", "下一篇", {272, 15, 80, 24}, "{dede:prenext get='next'/}"},
    TagEntry{"内容页_上一图集", "上一图集", {392, 15, 80, 24}, "{dede:prenext get='preimg'/}"},
    TagEntry{"内容页_下一图集", "下一图集", {504, 15, 80, 24}, "{dede:prenext get='nextimg'/}"},

    // The three links differ in the spaces after "href=": two, none, one.
    TagEntry{"内容页_文章标题6", "收藏", {8, 40, 80, 24},
             "<a href=  \"{dede:global name='cfg_phpurl'/}/stow.php?aid={dede:field.id/}\">收藏</a>"},
    TagEntry{"内容页_挑错", "挑错", {152, 40, 80, 24},
             "<a href=\"{dede:global name='cfg_phpurl'/}/erraddsave.php?aid={dede:field.id/}"
             "&title={dede:field.title/}\">挑错</a>"},
    TagEntry{"内容页_推荐", "推荐", {272, 40, 80, 24},
             "<a href= \"{dede:global name='cfg_phpurl'/}/recommend.php?aid={dede:field.id/}\">推荐</a>"},
    TagEntry{"内容页_打印", "打印", {392, 40, 80, 24}, "无整理此标签"},
    TagEntry{"内容页_内容页分页", "内容页分页", {504, 40, 80, 24}, "{dede:pagebreak/}"},
};

constexpr TagGroup kGroups[] = {
    {"分组框15", "文章模型内容页标签", {7, 23, 640, 84}, kArticleModel},
    {"内容页_简略标题", "下载模型内容页标签", {7, 108, 640, 135}, kSoftwareModel},
    {"图片模型new内容页标签", "图片模型new内容页标签", {8, 246, 639, 56}, kPictureListNew},
    {"图片模型images内容页标签", "图片模型images内容页标签", {7, 308, 640, 72}, kPictureListImages},
    {"内容页模型通用标签", "内容页模型通用标签", {7, 387, 640, 68}, kCommonContent},
};

}  // namespace

constexpr CataloguePage kContentPage{2, "内容页标签", kGroups};

}  // namespace zentaro
