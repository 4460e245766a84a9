// Builds any of the small windows (pickers, sample pictures, About, notice,
// feedback) from its catalogue description.
#pragma once

#include "windows.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string_view>

namespace zentaro {

// Called by a picker item with the target field's name and the value to write.
using FieldWriter = std::function<void(std::string_view field, std::string_view value)>;

std::unique_ptr<QDialog> BuildSubWindow(const SubWindow& description, FieldWriter writeField = {});

}  // namespace zentaro
