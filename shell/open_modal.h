// Opens a sub-window the one way every caller relies on: built fresh, centred,
// every other window blocked while it is open, returning when it is closed.
#pragma once

#include <memory>

class QDialog;

namespace zentaro {

// Runs `window` modally and destroys it once closed. A window that could not
// be created (null) is passed over: the click that asked for it has no effect.
void OpenModal(std::unique_ptr<QDialog> window);

}  // namespace zentaro
