// The output rules: joining, writing, clearing and copying.
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentaro {
namespace {

using testing::FakeBox;
using testing::FakeClipboard;
using testing::FakeFields;

TEST(JoinTexts, ConcatenatesInOrderWithNothingBetween) {
    struct Case {
        std::vector<std::string_view> pieces;
        std::string joined;
    };
    const Case cases[] = {
        {{}, ""},
        {{"abc"}, "abc"},
        {{"  row='", "10", " '"}, "  row='10 '"},
        {{"a", std::string_view{}, "b"}, "ab"},  // a missing piece counts as empty
        {{std::string_view{}, std::string_view{}}, ""},
        {{" lead", "", "trail "}, " leadtrail "},
        {{"line one", "\r\n", "line two"}, "line one\r\nline two"},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinTexts(c.pieces), c.joined);
}

TEST(JoinTexts, KeepsHostileTextsByteForByte) {
    const std::string mebibyte(1 << 20, 'x');
    const std::string withNul("a\0b\0", 4);
    const std::string hostile[] = {
        mebibyte,
        withNul,
        "\u200Fمرحبا\u202E",                   // right-to-left marks
        "😀👨‍👩‍👧",                              // emoji, joiners
        "' \" < > { } | [ ] 中文",
        std::string("\xED\xA0\x80") + " lone surrogate",  // malformed UTF-8 is passed through
        "\t\r\n\x7F",
    };
    for (const std::string& text : hostile) {
        const std::string_view pieces[] = {"<", text, ">"};
        EXPECT_EQ(JoinTexts(pieces), "<" + text + ">");
    }
}

TEST(ComposeText, ReadsFieldsAtTheMomentOfTheCall) {
    constexpr RecipePiece pieces[] = {Literal("["), FieldPiece("a"), Literal("|"), FieldPiece("b"), Literal("]")};
    FakeFields fields{{"a", "1"}};
    EXPECT_EQ(ComposeText({pieces}, fields), "[1|]");
    fields.Set("b", " two ");
    EXPECT_EQ(ComposeText({pieces}, fields), "[1| two ]");
    EXPECT_EQ(fields.FieldText("b"), " two ");  // fields are left as they were
}

TEST(WriteOutput, ReplacesTheWholeBoxEveryTime) {
    FakeBox box;
    box.text = "typed by hand";
    WriteOutput(box, "[field:title/]");
    EXPECT_EQ(box.text, "[field:title/]");
    WriteOutput(box, "[field:title/]");
    EXPECT_EQ(box.text, "[field:title/]");  // nothing is appended
    ClearOutput(box);
    EXPECT_EQ(box.text, "");
}

TEST(CopyOutput, PutsTheBoxTextWithCrLfBreaks) {
    struct Case {
        std::string box;
        std::string clipboard;
    };
    const Case cases[] = {
        {"", ""},
        {"{dede:list}", "{dede:list}"},
        {"one\ntwo", "one\r\ntwo"},
        {"one\r\ntwo", "one\r\ntwo"},  // breaks already CR LF are not doubled
        {"\n\n", "\r\n\r\n"},
        {"trailing \n", "trailing \r\n"},
        {"lone\rcarriage return", "lone\rcarriage return"},
    };
    for (const Case& c : cases) {
        FakeBox box;
        box.text = c.box;
        FakeClipboard clipboard;
        CopyOutput(box, clipboard);
        EXPECT_EQ(clipboard.text, c.clipboard);
        EXPECT_EQ(box.text, c.box);  // the box is not changed by a copy
    }
}

TEST(CopyOutput, BusyClipboardChangesNothingSilently) {
    FakeBox box;
    box.text = "new text";
    FakeClipboard clipboard;
    clipboard.busy = true;
    CopyOutput(box, clipboard);
    EXPECT_EQ(clipboard.text, "held before");
    EXPECT_EQ(box.text, "new text");
}

TEST(CopyOutput, AfterClearEmptiesTheClipboard) {
    FakeBox box;
    WriteOutput(box, "{/dede:arclist}");
    ClearOutput(box);
    FakeClipboard clipboard;
    CopyOutput(box, clipboard);
    EXPECT_EQ(clipboard.text, "");
    EXPECT_EQ(clipboard.puts, 1);
}

}  // namespace
}  // namespace zentaro
