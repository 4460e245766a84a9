// Fakes and look-ups shared by the catalogue tests.
#pragma once

#include "catalogue.h"
#include "output.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zentaro::testing {

class FakeFields : public FieldTexts {
public:
    FakeFields() = default;
    FakeFields(std::initializer_list<std::pair<const std::string, std::string>> texts) : texts_(texts) {}
    void Set(std::string name, std::string text) { texts_[std::move(name)] = std::move(text); }
    std::string FieldText(std::string_view name) const override {
        auto it = texts_.find(std::string(name));
        return it == texts_.end() ? std::string() : it->second;
    }

private:
    std::map<std::string, std::string> texts_;
};

class FakeBox : public OutputBox {
public:
    std::string Text() const override { return text; }
    void ReplaceText(std::string_view t) override { text = std::string(t); }
    std::string text;
};

class FakeClipboard : public Clipboard {
public:
    bool PutPlainText(std::string_view t) override {
        if (busy) return false;
        text = std::string(t);
        ++puts;
        return true;
    }
    std::string text = "held before";
    bool busy = false;
    int puts = 0;
};

template <typename Kind>
const Kind& ControlOfKind(std::string_view name) {
    const GroupControl* control = FindControl(name);
    if (!control || !std::holds_alternative<Kind>(*control))
        throw std::runtime_error("no control of that kind: " + std::string(name));
    return std::get<Kind>(*control);
}

// The group of `page` that holds the control of that name, or null.
inline const TagGroup* GroupOf(const CataloguePage& page, std::string_view control) {
    for (const TagGroup& group : page.groups)
        for (const GroupControl& c : group.controls)
            if (ControlName(c) == control) return &group;
    return nullptr;
}

inline std::string EntryText(std::string_view name) { return std::string(ControlOfKind<TagEntry>(name).text); }

struct EntryCase {
    std::string_view control;
    std::string_view text;
};

// Every entry of the table writes exactly its text.
template <std::size_t N>
void ExpectEntryTexts(const EntryCase (&entries)[N]) {
    for (const EntryCase& c : entries) {
        SCOPED_TRACE(std::string(c.control));
        EXPECT_EQ(EntryText(c.control), c.text);
    }
}

// The text a composer writes for the given field texts (others empty).
inline std::string Compose(std::string_view composer, const FakeFields& fields) {
    FakeBox box;
    WriteOutput(box, ComposeText(ControlOfKind<TagComposer>(composer).recipe, fields));
    return box.text;
}

}  // namespace zentaro::testing
