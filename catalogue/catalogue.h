// The whole catalogue: six notebook pages, leftmost first.
#pragma once

#include "model.h"

namespace zentaro {

const TagCatalogue& Catalogue();

// The first control of that name on any page, or null. The control is part of
// the constant catalogue and lives as long as the program.
const GroupControl* FindControl(std::string_view name);

}  // namespace zentaro
