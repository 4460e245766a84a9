#include "open_modal.h"

#include <QDialog>

namespace zentaro {

void OpenModal(std::unique_ptr<QDialog> window) {
    if (!window) return;
    // Application-modal: the main window takes no clicks, keys or menu use
    // until this one closes, and its title bar shows the inactive look.
    window->setWindowModality(Qt::ApplicationModal);
    window->exec();
}

}  // namespace zentaro
