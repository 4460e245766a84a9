#include "windows.h"

#include "maker.h"

#include <array>

namespace zentaro {
namespace {

// Pickers: filled in with the list page.
constexpr SubWindow kNavigationTypePicker{"导航属性选择", {188, 207}, {}};
constexpr SubWindow kOrderByPicker{"OrderBy参数", {252, 245}, {}};
constexpr SubWindow kFlagPicker{"Flag参数", {192, 329}, {}};
constexpr SubWindow kFriendLinkPicker{"友情链接参数", {204, 168}, {}};
constexpr SubWindow kPagerPicker{"页码说明", {218, 245}, {}};

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
