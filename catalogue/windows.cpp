#include "windows.h"

#include "maker.h"

#include <array>

namespace zentaro {
namespace {

// Pickers: one column of radio buttons, each writing its value into one field
// of the main window.
constexpr std::string_view kNavigationTypeField = "编辑框4";
constexpr WindowControl kNavigationTypeItems[] = {
    PickerItem{"顶级栏目Top", "顶级栏目Top", {24, 19, 128, 32}, "top", kNavigationTypeField},
    PickerItem{"单选框1", "同级栏目Self", {24, 66, 128, 32}, "self", kNavigationTypeField},
    PickerItem{"单选框3", "下级栏目Son", {24, 117, 128, 32}, "son", kNavigationTypeField},
};
constexpr SubWindow kNavigationTypePicker{"导航属性选择", {188, 207}, kNavigationTypeItems};

constexpr std::string_view kOrderByField = "排序方式_编辑框2";
constexpr WindowControl kOrderByItems[] = {
    PickerItem{"单选框1", "按点击数排列 click", {24, 13, 200, 24}, "click", kOrderByField},
    PickerItem{"单选框4", "按发布时间排列 pubdate", {24, 45, 200, 24}, "pubdate", kOrderByField},
    PickerItem{"单选框7", "按最后评论时间排列 lastpost", {24, 79, 200, 24}, "lastpost", kOrderByField},
    PickerItem{"单选框6", "按得分排列 scores", {24, 113, 200, 24}, "scores", kOrderByField},
    PickerItem{"单选框5", "按文章ID排列 id", {24, 150, 200, 24}, "id", kOrderByField},
    PickerItem{"单选框3", "按随机条件排列 rand", {24, 184, 200, 24}, "rand", kOrderByField},
};
constexpr SubWindow kOrderByPicker{"OrderBy参数", {252, 245}, kOrderByItems};

constexpr std::string_view kFlagField = "自定属性_编辑框";
constexpr WindowControl kFlagItems[] = {
    PickerItem{"头条", "头条 h", {24, 26, 100, 16}, "h", kFlagField},
    PickerItem{"推荐", "推荐 c", {24, 59, 100, 16}, "c", kFlagField},
    PickerItem{"图片", "图片 p", {24, 96, 100, 16}, "p", kFlagField},
    PickerItem{"幻灯", "幻灯 f", {24, 128, 100, 16}, "f", kFlagField},
    PickerItem{"滚动", "滚动 s", {24, 160, 100, 16}, "s", kFlagField},
    PickerItem{"跳转", "跳转 j", {24, 193, 100, 16}, "j", kFlagField},
    PickerItem{"特推", "特推 a", {24, 231, 100, 16}, "a", kFlagField},
    PickerItem{"加粗", "加粗 b", {24, 264, 100, 16}, "b", kFlagField},
};
constexpr SubWindow kFlagPicker{"Flag参数", {192, 329}, kFlagItems};

constexpr std::string_view kFriendLinkField = "链接类型_编辑框";
constexpr WindowControl kFriendLinkItems[] = {
    PickerItem{"图片链接", "图片链接 image", {24, 32, 140, 24}, "image", kFriendLinkField},
    PickerItem{"文字链接", "文字链接 text", {24, 80, 140, 24}, "text", kFriendLinkField},
};
constexpr SubWindow kFriendLinkPicker{"友情链接参数", {204, 168}, kFriendLinkItems};

constexpr std::string_view kPagerField = "列表页分页_编辑框1";
constexpr WindowControl kPagerItems[] = {
    PickerItem{"单选框1", "1(显示3个页码)", {24, 18, 160, 24}, "1", kPagerField},
    PickerItem{"单选框4", "2(显示5个页码)", {24, 55, 160, 24}, "2", kPagerField},
    PickerItem{"单选框3", "3(显示7个页码)", {24, 89, 160, 24}, "3", kPagerField},
    PickerItem{"单选框2", "4(显示9个页码)", {24, 123, 160, 24}, "4", kPagerField},
    TextLabel{"标签1", {30, 149, 192, 40}, "依次后推，输入得到*2+1个页码", 0x000000, 0, true},
};
constexpr SubWindow kPagerPicker{"页码说明", {218, 245}, kPagerItems};

constexpr WindowControl kArticleListDemo[] = {PictureBox{"图片框1", {-2, -4, 376, 285}, "demo_article_list.png"}};
constexpr WindowControl kArticlePageDemo[] = {PictureBox{"图片框1", {2, 0, 662, 128}, "demo_article_page.png"}};
constexpr WindowControl kSoftwarePageDemo[] = {PictureBox{"图片框1", {-7, 0, 624, 112}, "demo_software_page.png"}};
constexpr WindowControl kPagerDemo[] = {PictureBox{"图片框1", {0, 0, 464, 48}, "demo_pager.png"}};
constexpr WindowControl kSearchPagerDemo[] = {PictureBox{"图片框1", {0, 0, 680, 168}, "demo_search_pager.png"}};

constexpr SubWindow kDemos[] = {
    {"文章列表标签显示效果", {368, 289}, kArticleListDemo},
    {"文章列表页效果", {664, 142}, kArticlePageDemo},
    {"软件列表页效果", {615, 134}, kSoftwarePageDemo},
    {"页码演示效果", {470, 73}, kPagerDemo},
    {"搜索页页码演示", {672, 168}, kSearchPagerDemo},
};

constexpr WindowControl kAbout[] = {
    PictureBox{"图片框1", {-40, -8, 432, 88}, "about_banner.png"},
    TextLabel{"标签1",
              {0, 80, 390, 144},
              "   关于Zentaro是由Velmora传媒在线工作室官方独家出品的一款免费的仿站必备工具。\r\n"
              "    \r\n"
              "   欢迎大家下载和传播，让更多人感受到方便是我们的宗旨。\r\n"
              "\r\n"
              "   更多的视频教程与免费工具就在Velmora传媒，请登录我们的官方网站进行查看" ZENTARO_MAKER_WEB_ADDRESS,
              0xFF0000, 14, true},
};

constexpr WindowControl kNotice[] = {
    TextLabel{"标签1",
              {16, 24, 384, 224},
              "Zentaro 是一款免费的模板制作辅助工具，帮助网页设计人员把制作好的静态页面"
              "改写为 DedeCMS 模板。\r\n\r\n"
              "本软件可以免费使用、复制和传播，但不得出售，也不得修改后冒名发布。\r\n\r\n"
              "DedeCMS 是其权利人的商标。本软件与 DedeCMS 及其权利人没有任何隶属或合作关系，"
              "也未得到其认可；软件中列出的标签仅供制作模板时参考。\r\n\r\n"
              "本软件按“现状”提供，因使用本软件造成的任何损失，作者不承担责任。",
              0x000000, 0, true},
};

constexpr WindowControl kFeedback[] = {
    TextLabel{"标签1",
              {8, 0, 408, 160},
              "\r\n\r\n"
              "     如果你有更多方法和建议，欢迎登陆官方论坛和我们进行联系！也可以添加作者QQ：" ZENTARO_CONTACT_NUMBER
              "，直接告诉我们，我们会吸取你们宝贵的建议来完善这个软件。",
              0x000000, 16, true},
};

constexpr SubWindow kInfoWindows[] = {
    {"关于Zentaro", {395, 243}, kAbout},
    {"版权声明", {446, 314}, kNotice},
    {"意见反馈", {421, 162}, kFeedback},
};

constexpr std::array kPickerIds{PickerId::NavigationType, PickerId::OrderBy, PickerId::Flag, PickerId::FriendLinkType,
                                PickerId::PagerSize};
constexpr std::array kDemoIds{DemoId::ArticleList, DemoId::ArticleListPage, DemoId::SoftwareListPage, DemoId::Pager,
                              DemoId::SearchPager};
constexpr std::array kInfoIds{InfoWindowId::About, InfoWindowId::Notice, InfoWindowId::Feedback};

}  // namespace

const PickerWindow& Picker(PickerId id) {
    switch (id) {
        case PickerId::NavigationType: return kNavigationTypePicker;
        case PickerId::OrderBy: return kOrderByPicker;
        case PickerId::Flag: return kFlagPicker;
        case PickerId::FriendLinkType: return kFriendLinkPicker;
        case PickerId::PagerSize: return kPagerPicker;
    }
    return kNavigationTypePicker;
}

const DemoWindow& Demo(DemoId id) { return kDemos[static_cast<std::size_t>(id)]; }

const SubWindow& InfoWindow(InfoWindowId id) { return kInfoWindows[static_cast<std::size_t>(id)]; }

std::span<const PickerId> AllPickers() { return kPickerIds; }
std::span<const DemoId> AllDemos() { return kDemoIds; }
std::span<const InfoWindowId> AllInfoWindows() { return kInfoIds; }

}  // namespace zentaro
