// The output rules: every click produces exactly one text, which replaces the
// whole content of the output box; the copy button puts the box's text on the
// clipboard. The box, the fields and the clipboard are interfaces so that the
// rules run and are tested without a window system.
#pragma once

#include "model.h"

#include <span>
#include <string>
#include <string_view>

namespace zentaro {

// The multi-line box into which entries and composers write. Line breaks are
// reported as LF, as a plain-text widget reports them.
class OutputBox {
public:
    virtual ~OutputBox() = default;
    virtual std::string Text() const = 0;
    virtual void ReplaceText(std::string_view text) = 0;
};

// Read access to the current texts of the fields a recipe names.
class FieldTexts {
public:
    virtual ~FieldTexts() = default;
    virtual std::string FieldText(std::string_view fieldName) const = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces everything the clipboard holds with `text` as plain text.
    // Returns false when the clipboard could not be taken; nothing changed then.
    virtual bool PutPlainText(std::string_view text) = 0;
};

// Concatenates the pieces in order with nothing between them. A missing piece
// (a default string_view) counts as empty. Measures first, allocates once.
std::string JoinTexts(std::span<const std::string_view> pieces);

// Joins the recipe's literals with the current texts of its fields.
std::string ComposeText(const ComposeRecipe& recipe, const FieldTexts& fields);

void WriteOutput(OutputBox& box, std::string_view text);
void ClearOutput(OutputBox& box);

// Puts the box's text on the clipboard with CR LF line breaks, which is how the
// texts were composed. A clipboard that cannot be taken is passed over silently.
void CopyOutput(const OutputBox& box, Clipboard& clipboard);

// LF that is not already part of CR LF becomes CR LF; nothing else changes.
std::string WithCrLfBreaks(std::string_view text);

}  // namespace zentaro
