// Page "幻灯片在线".
#include "pages.h"

namespace zentaro {

constexpr CataloguePage kSlideshowPage{5, "幻灯片在线", {}};

}  // namespace zentaro
