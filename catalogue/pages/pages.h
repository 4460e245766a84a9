// One page of the notebook per data file.
#pragma once

#include "../model.h"

#include <array>

namespace zentaro {

extern const CataloguePage kHomePage;
extern const CataloguePage kListPage;
extern const CataloguePage kContentPage;
extern const CataloguePage kSystemPage;
extern const CataloguePage kSearchPage;
extern const CataloguePage kSlideshowPage;

// The recipe of a single-field composer: text before, the field, text after.
constexpr std::array<RecipePiece, 3> AroundField(std::string_view before, std::string_view field,
                                                 std::string_view after) {
    return {Literal(before), FieldPiece(field), Literal(after)};
}

inline constexpr std::string_view kComposeCaption = "生成标签";
inline constexpr std::string_view kPickerCaption = "属性值";
inline constexpr std::string_view kDemoCaption = "效果演示";

}  // namespace zentaro
