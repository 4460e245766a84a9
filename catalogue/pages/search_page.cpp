// Page "搜索页标签".
#include "pages.h"

namespace zentaro {

constexpr CataloguePage kSearchPage{4, "搜索页标签", {}};

}  // namespace zentaro
