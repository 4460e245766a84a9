#include "pictures.h"

#include "qt_text.h"

#include <QPainter>

// Resource initialisers live in the global namespace.
static void InitEmbeddedResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace zentaro {

void InitResources() {
    static const bool done = (InitEmbeddedResources(), true);
    (void)done;
}

QPixmap LoadPicture(std::string_view fileName) {
    InitResources();
    return QPixmap(QStringLiteral(":/pictures/") + ToQString(fileName));
}

PictureView::PictureView(QPixmap picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace zentaro
