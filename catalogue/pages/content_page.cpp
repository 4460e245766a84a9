// Page "内容页标签".
#include "pages.h"

namespace zentaro {

constexpr CataloguePage kContentPage{2, "内容页标签", {}};

}  // namespace zentaro
