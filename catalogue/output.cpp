#include "output.h"

#include <algorithm>
#include <vector>

namespace zentaro {

std::string JoinTexts(std::span<const std::string_view> pieces) {
    std::size_t total = 0;
    for (std::string_view piece : pieces) total += piece.size();
    std::string result;
    result.reserve(total);
    for (std::string_view piece : pieces) result.append(piece);
    return result;
}

std::string ComposeText(const ComposeRecipe& recipe, const FieldTexts& fields) {
    // Field texts are copied once, read at this moment; literals are viewed in place.
    std::vector<std::string> fieldCopies;
    fieldCopies.reserve(recipe.pieces.size());
    std::vector<std::string_view> views;
    views.reserve(recipe.pieces.size());
    for (const RecipePiece& piece : recipe.pieces) {
        if (piece.kind == RecipePiece::Kind::Literal) {
            views.push_back(piece.text);
        } else {
            fieldCopies.push_back(fields.FieldText(piece.text));
            views.push_back(fieldCopies.back());
        }
    }
    return JoinTexts(views);
}

void WriteOutput(OutputBox& box, std::string_view text) { box.ReplaceText(text); }

void ClearOutput(OutputBox& box) { WriteOutput(box, {}); }

std::string WithCrLfBreaks(std::string_view text) {
    const auto bareBreaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    std::string result;
    result.reserve(text.size() + bareBreaks);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result.push_back('\r');
        result.push_back(text[i]);
    }
    return result;
}

void CopyOutput(const OutputBox& box, Clipboard& clipboard) {
    // The result is deliberately ignored: a busy clipboard changes nothing.
    (void)clipboard.PutPlainText(WithCrLfBreaks(box.Text()));
}

}  // namespace zentaro
