// The whole catalogue: six notebook pages, leftmost first.
#pragma once

#include "model.h"

#include <optional>

namespace zentaro {

const TagCatalogue& Catalogue();

// The first control of that name on any page, or nothing.
std::optional<GroupControl> FindControl(std::string_view name);

}  // namespace zentaro
