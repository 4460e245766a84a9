// Page "列表页标签".
#include "pages.h"

namespace zentaro {

constexpr CataloguePage kListPage{1, "列表页标签", {}};

}  // namespace zentaro
