// Page "幻灯片在线": one button that writes the whole slideshow script block
// from the player's width and height and the number of slideshow articles.
#include "pages.h"

namespace zentaro {
namespace {

// Line 1 declares the arrays and the player size; line 2 fills the arrays
// from the articles flagged f and joins each into a "|"-separated list.
constexpr RecipePiece kSlideshowScript[] = {
    Literal(" <script language='javascript'>linkarr = new Array();picarr = new Array();textarr = new "
            "Array();var swf_width="),
    FieldPiece("Flash宽度_编辑框"),
    Literal(";var swf_height="),
    FieldPiece("Flash高度_编辑框"),
    Literal(";var files = \"\" ;var links = \"\" ;var texts = \"\" ; //这里设置调用标记\r\n"
            "{dede:arclist flag='f' row='"),
    FieldPiece("数目_编辑框"),
    Literal(" '}"
            "linkarr[[field:global.autoindex/]] = \"[field:arcurl/]\";"
            "picarr[[field:global.autoindex/]]  = \"[field:litpic/]\";"
            "textarr[[field:global.autoindex/]] =\"[field:title function='html2text(@me)'/]\";"
            "{/dede:arclist}"
            "for(i=1;i<picarr.length;i++){if(files==\"\") files = picarr[i];else files += \"|\"+picarr[i];}"
            "for(i=1;i<linkarr.length;i++){if(links==\"\") links = linkarr[i];else links += \"|\"+linkarr[i];}"
            "for(i=1;i<textarr.length;i++){if(texts==\"\") texts = textarr[i];else texts += \"|\"+textarr[i];}"
            "</script>"),
};

constexpr GroupControl kSlideshow[] = {
    Label{"标签15", "Flash宽度", {16, 24, 96, 40}, "Flash宽度_编辑框"},
    ParamField{"Flash宽度_编辑框", {112, 32, 72, 24}},
    Label{"标签16", "Flash高度", {208, 24, 96, 40}, "Flash高度_编辑框"},
    ParamField{"Flash高度_编辑框", {304, 32, 80, 24}},
    Label{"标签17", "数目", {408, 24, 96, 40}, "数目_编辑框"},
    ParamField{"数目_编辑框", {504, 32, 80, 24}},
    TagComposer{"按钮7", "生成Flash", {248, 80, 112, 32}, {kSlideshowScript}, "flash_button.png"},
};

constexpr TagGroup kGroups[] = {
    {"分组框21", "", {13, 38, 632, 120}, kSlideshow},
};

}  // namespace

constexpr CataloguePage kSlideshowPage{5, "幻灯片在线", kGroups};

}  // namespace zentaro
