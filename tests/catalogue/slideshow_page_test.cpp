// Page "幻灯片在线": the two-line slideshow script built from three fields.
#include "test_support.h"

#include <gtest/gtest.h>

namespace zentaro {
namespace {

using testing::Compose;
using testing::ControlOfKind;
using testing::FakeFields;

// The script's two lines around the three field texts.
constexpr std::string_view kBeforeWidth =
    R"~( <script language='javascript'>linkarr = new Array();picarr = new Array();textarr = new Array();var swf_width=)~";
constexpr std::string_view kBeforeHeight = R"~(;var swf_height=)~";
constexpr std::string_view kEndOfLineOne = R"~(;var files = "" ;var links = "" ;var texts = "" ; //这里设置调用标记)~";
constexpr std::string_view kBeforeCount = R"~({dede:arclist flag='f' row=')~";
constexpr std::string_view kAfterCount =
    R"~( '}linkarr[[field:global.autoindex/]] = "[field:arcurl/]";picarr[[field:global.autoindex/]]  = "[field:litpic/]";textarr[[field:global.autoindex/]] ="[field:title function='html2text(@me)'/]";{/dede:arclist}for(i=1;i<picarr.length;i++){if(files=="") files = picarr[i];else files += "|"+picarr[i];}for(i=1;i<linkarr.length;i++){if(links=="") links = linkarr[i];else links += "|"+linkarr[i];}for(i=1;i<textarr.length;i++){if(texts=="") texts = textarr[i];else texts += "|"+textarr[i];}</script>)~";

std::string Script(std::string_view width, std::string_view height, std::string_view count) {
    return std::string(kBeforeWidth) + std::string(width) + std::string(kBeforeHeight) + std::string(height) +
           std::string(kEndOfLineOne) + "\r\n" + std::string(kBeforeCount) + std::string(count) +
           std::string(kAfterCount);
}

std::string ComposeSlideshow(std::string width, std::string height, std::string count) {
    return Compose("按钮7", FakeFields{{"Flash宽度_编辑框", std::move(width)},
                                       {"Flash高度_编辑框", std::move(height)},
                                       {"数目_编辑框", std::move(count)}});
}

TEST(SlideshowPage, ComposesTheScriptFromWidthHeightAndCount) {
    struct Case {
        std::string width, height, count;
    };
    const Case cases[] = {
        {"300", "200", "5"},
        {"", "", ""},
        {" 640", "480 ", "  3"},
        {R"~(' " < > { } | [ ] 中文标签)~", "auto", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width + "|" + c.height + "|" + c.count);
        EXPECT_EQ(ComposeSlideshow(c.width, c.height, c.count), Script(c.width, c.height, c.count));
    }
}

TEST(SlideshowPage, SampleValuesLandInTheirPlaces) {
    const std::string script = ComposeSlideshow("300", "200", "5");
    EXPECT_NE(script.find("var swf_width=300;var swf_height=200;"), std::string::npos);
    EXPECT_NE(script.find("\r\n{dede:arclist flag='f' row='5 '}linkarr"), std::string::npos);
}

TEST(SlideshowPage, EmptyFieldsGiveExactlyTwoLinesJoinedByCrLf) {
    const std::string script = ComposeSlideshow("", "", "");
    EXPECT_EQ(script, std::string(R"~( <script language='javascript'>linkarr = new Array();picarr = new Array();textarr = new Array();var swf_width=;var swf_height=;var files = "" ;var links = "" ;var texts = "" ; //这里设置调用标记)~") +
                          "\r\n" +
                          R"~({dede:arclist flag='f' row=' '}linkarr[[field:global.autoindex/]] = "[field:arcurl/]";picarr[[field:global.autoindex/]]  = "[field:litpic/]";textarr[[field:global.autoindex/]] ="[field:title function='html2text(@me)'/]";{/dede:arclist}for(i=1;i<picarr.length;i++){if(files=="") files = picarr[i];else files += "|"+picarr[i];}for(i=1;i<linkarr.length;i++){if(links=="") links = linkarr[i];else links += "|"+linkarr[i];}for(i=1;i<textarr.length;i++){if(texts=="") texts = textarr[i];else texts += "|"+textarr[i];}</script>)~");

    const std::size_t lf = script.find('\n');
    ASSERT_NE(lf, std::string::npos);
    EXPECT_EQ(script.find('\n', lf + 1), std::string::npos);  // one line break only
    EXPECT_EQ(script.find('\r'), lf - 1);                      // and it is CR LF
    const std::string_view first = std::string_view(script).substr(0, lf - 1);
    const std::string_view second = std::string_view(script).substr(lf + 1);
    EXPECT_TRUE(first.ends_with("//这里设置调用标记"));
    EXPECT_TRUE(second.starts_with("{dede:arclist flag='f' row=' '}"));
    EXPECT_TRUE(second.ends_with("</script>"));
}

TEST(SlideshowPage, ButtonShowsItsFacePicture) {
    const TagComposer& button = ControlOfKind<TagComposer>("按钮7");
    EXPECT_EQ(button.caption, "生成Flash");
    EXPECT_EQ(button.face, "flash_button.png");
    EXPECT_EQ(button.rect.left, 248);
    EXPECT_EQ(button.rect.top, 80);
    EXPECT_EQ(button.rect.width, 112);
    EXPECT_EQ(button.rect.height, 32);
}

TEST(SlideshowPage, LabelsIntroduceTheirOwnFields) {
    struct Case {
        std::string_view label, caption, buddy;
    };
    const Case cases[] = {
        {"标签15", "Flash宽度", "Flash宽度_编辑框"},
        {"标签16", "Flash高度", "Flash高度_编辑框"},
        {"标签17", "数目", "数目_编辑框"},
    };
    for (const Case& c : cases) {
        const Label& label = ControlOfKind<Label>(c.label);
        EXPECT_EQ(label.caption, c.caption) << c.label;
        EXPECT_EQ(label.buddy, c.buddy) << c.label;
    }
}

}  // namespace
}  // namespace zentaro
