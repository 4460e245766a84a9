// Template-tag syntax over the whole catalogue, by the template engine's rule:
// a closing tag is exactly "{/dede:NAME}", and a tag "{dede:NAME ...}" that does
// not end with "/}" opens a block that needs that closing tag.
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace zentaro {
namespace {

using testing::FakeFields;

struct NamedText {
    std::string where;
    std::string text;
};

constexpr std::string_view kOpenMark = "{dede:";
constexpr std::string_view kCloseMark = "{/dede:";

bool IsTagNameChar(char c) { return c != ' ' && c != '}' && c != '/' && c != '\r' && c != '\n' && c != '\t'; }

struct TextScan {
    std::vector<std::string> unclosed;  // blocks this text opens and leaves open, in order
    std::vector<std::string> problems;
};

// Reads the dede tags of one text in order. Square-bracket fields are not
// tags of the engine's outer level and are passed over.
TextScan ScanTags(std::string_view text) {
    TextScan scan;
    std::vector<std::string> open;
    std::size_t pos = 0;
    while ((pos = text.find('{', pos)) != std::string_view::npos) {
        const std::string_view rest = text.substr(pos);
        const bool closing = rest.starts_with(kCloseMark);
        if (!closing && !rest.starts_with(kOpenMark)) {
            ++pos;
            continue;
        }
        const std::size_t nameStart = pos + (closing ? kCloseMark.size() : kOpenMark.size());
        std::size_t nameEnd = nameStart;
        while (nameEnd < text.size() && IsTagNameChar(text[nameEnd])) ++nameEnd;
        const std::string name(text.substr(nameStart, nameEnd - nameStart));
        const std::size_t end = text.find('}', nameStart);
        if (name.empty() || end == std::string_view::npos) {
            scan.problems.push_back("unfinished tag: " + std::string(rest));
            break;
        }
        const std::string tag(text.substr(pos, end + 1 - pos));
        if (closing) {
            if (end != nameEnd) scan.problems.push_back("closing tag with text before its brace: " + tag);
            if (!open.empty()) {
                if (open.back() != name) scan.problems.push_back(tag + " closes the block " + open.back());
                open.pop_back();
            } else if (text != tag) {
                // A lone closing tag is an end-tag entry; inside a longer text it closes nothing.
                scan.problems.push_back(tag + " closes no block of its text");
            }
        } else if (text[end - 1] != '/') {
            open.push_back(name);
        }
        pos = end + 1;
    }
    scan.unclosed = std::move(open);
    return scan;
}

// All problems of a set of texts that the user pastes together into a
// template: badly formed or mismatched tags, and blocks left open for which no
// text of the set offers the closing tag.
std::vector<std::string> TagProblems(const std::vector<NamedText>& texts) {
    std::set<std::string> offered;
    for (const NamedText& t : texts) offered.insert(t.text);
    std::vector<std::string> problems;
    for (const NamedText& t : texts) {
        const TextScan scan = ScanTags(t.text);
        for (const std::string& p : scan.problems) problems.push_back(t.where + ": " + p);
        for (const std::string& name : scan.unclosed)
            if (!offered.contains(std::string(kCloseMark) + name + "}"))
                problems.push_back(t.where + ": no entry closes the block " + name);
    }
    return problems;
}

// Every entry text, and every composer's result for sample field values.
std::vector<NamedText> CatalogueTexts() {
    FakeFields sample;
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls) {
                if (const auto* field = std::get_if<ParamField>(&control)) sample.Set(std::string(field->name), "5");
                if (const auto* choice = std::get_if<ChoiceField>(&control))
                    sample.Set(std::string(choice->name), choice->items.empty() ? "" : std::string(choice->items[0]));
            }
    std::vector<NamedText> texts;
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls) {
                if (const auto* entry = std::get_if<TagEntry>(&control))
                    texts.push_back({std::string(entry->name), std::string(entry->text)});
                if (const auto* composer = std::get_if<TagComposer>(&control))
                    texts.push_back({std::string(composer->name), ComposeText(composer->recipe, sample)});
            }
    return texts;
}

TEST(TagSyntax, CatalogueTagsAreWellFormedAndEveryBlockCanBeClosed) {
    const std::vector<NamedText> texts = CatalogueTexts();
    ASSERT_FALSE(texts.empty());
    for (const std::string& problem : TagProblems(texts)) ADD_FAILURE() << problem;
}

struct SampleCase {
    std::string_view why;
    std::vector<std::string> texts;
};

std::vector<NamedText> Named(const std::vector<std::string>& texts) {
    std::vector<NamedText> named;
    for (const std::string& t : texts) named.push_back({"sample", t});
    return named;
}

TEST(TagSyntax, CheckerFindsBrokenTags) {
    const SampleCase cases[] = {
        {"block opened by a field shorthand without slash", {"{dede:field.description}"}},
        {"closing tag with a space before its brace", {"{dede:list }", "{/dede:list }"}},
        {"closing tag of another name", {"{dede:tag row='5'}<a></a>{/dede:list}", "{/dede:tag}"}},
        {"closing tag of a block the text never opened", {"<ul>{/dede:arclist}", "{dede:arclist}"}},
        {"block left open by a composed text", {"{dede:likearticle row='5'}"}},
        {"closing entry of another block only", {"{dede:channel    }", "{/dede:arclist}"}},
        {"tag without its closing brace", {"{dede:global.cfg_webname/"}},
    };
    for (const SampleCase& c : cases) {
        EXPECT_FALSE(TagProblems(Named(c.texts)).empty()) << c.why;
    }
}

TEST(TagSyntax, CheckerAcceptsSelfClosingAndClosedTags) {
    const SampleCase cases[] = {
        {"self-closing with attribute", {"{dede:field name='x'/}"}},
        {"self-closing with a space before the slash", {R"~({dede:include filename="head.htm" /})~"}},
        {"self-closing shorthand", {"{dede:global.cfg_webname/}"}},
        {"self-closing tags inside a script address",
         {R"~(<script src="{dede:field name='phpurl'/}/count.php?aid={dede:field name='id'/}"></script>)~"}},
        {"start entry with an end entry elsewhere", {"{dede:list }", "{/dede:list}"}},
        {"attribute form closed by the plain name", {"{dede:field name='imgurls' alt='图片输出区'}", "{/dede:field}"}},
        {"self-contained composed block", {"{dede:flink row='5'}  [field:link /]  {/dede:flink}"}},
        {"script braces that are not tags", {"{dede:arclist row='5 '}x{/dede:arclist}for(i=1;;){if(a==\"\") b;}"}},
        {"fragment without tags", {"  row='5 '"}},
    };
    for (const SampleCase& c : cases) {
        EXPECT_EQ(TagProblems(Named(c.texts)), std::vector<std::string>{}) << c.why;
    }
}

}  // namespace
}  // namespace zentaro
