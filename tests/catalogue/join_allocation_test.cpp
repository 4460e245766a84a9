// JoinTexts measures its pieces first and obtains the result's buffer in one
// step. Heap allocations are counted with a replaced global operator new,
// counting only while a join runs; everything else allocates uncounted.
#include "output.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool counting = false;
std::size_t allocations = 0;

void* Allocate(std::size_t size) {
    if (counting) ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace {

// Joins `pieces` with allocation counting on; returns the result and the count.
std::pair<std::string, std::size_t> CountedJoin(std::span<const std::string_view> pieces) {
    std::string result;
    allocations = 0;
    counting = true;
    result = zentaro::JoinTexts(pieces);
    counting = false;
    return {std::move(result), allocations};
}

// Long enough that no piece and no result fits into small-string storage.
const std::string kScript = R"~(<script src="{dede:field name='phpurl'/}/count.php?view=yes&aid={dede:field name='id'/}">)~";
const std::string kChinese = "这里设置调用标记，幻灯片的宽度与高度都可以修改";

struct JoinCase {
    const char* name;
    std::vector<std::string> texts;  // a missing piece is marked by "<missing>"
};

std::vector<JoinCase> JoinCases() {
    std::vector<JoinCase> cases = {
        {"one long piece", {kScript}},
        {"two long pieces", {kScript, kChinese}},
        {"missing and empty pieces between long ones", {kScript, "<missing>", "", kChinese, "<missing>"}},
        {"short pieces adding up to a long text", {"{dede:", "arclist", " row='", "10", "' titlelen='", "30", "'}"}},
    };
    JoinCase many{"a thousand pieces", {}};
    for (int i = 0; i < 1000; ++i) many.texts.push_back(i % 3 == 0 ? kChinese : i % 3 == 1 ? kScript : "|");
    cases.push_back(std::move(many));
    JoinCase tiny{"many one-character pieces", {}};
    for (int i = 0; i < 4096; ++i) tiny.texts.push_back(std::string(1, static_cast<char>('a' + i % 26)));
    cases.push_back(std::move(tiny));
    return cases;
}

TEST(JoinAllocation, TheResultIsTheOnlyAllocation) {
    for (const JoinCase& c : JoinCases()) {
        SCOPED_TRACE(c.name);
        std::vector<std::string_view> pieces;
        std::string expected;
        for (const std::string& text : c.texts) {
            if (text == "<missing>") {
                pieces.emplace_back();
            } else {
                pieces.emplace_back(text);
                expected += text;
            }
        }
        ASSERT_GT(expected.size(), std::string().capacity()) << "the result must not fit small-string storage";

        const auto [result, count] = CountedJoin(pieces);
        EXPECT_EQ(count, 1u);
        EXPECT_EQ(result, expected);
    }
}

}  // namespace
