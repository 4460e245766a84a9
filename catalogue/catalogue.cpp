#include "catalogue.h"

#include "pages/pages.h"

#include <array>

namespace zentaro {

namespace {
constexpr std::array<const CataloguePage*, 6> kPages{&kHomePage,   &kListPage,   &kContentPage,
                                                      &kSystemPage, &kSearchPage, &kSlideshowPage};
constexpr TagCatalogue kCatalogue{kPages};
}  // namespace

const TagCatalogue& Catalogue() { return kCatalogue; }

const GroupControl* FindControl(std::string_view name) {
    for (const CataloguePage* page : kCatalogue.pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls)
                if (ControlName(control) == name) return &control;
    return nullptr;
}

}  // namespace zentaro
