// Page "系统标签".
#include "pages.h"

namespace zentaro {

constexpr CataloguePage kSystemPage{3, "系统标签", {}};

}  // namespace zentaro
