#include "group_frame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace zentaro {

void GroupFrame::paintEvent(QPaintEvent* event) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const DrawnAs now{size(),          devicePixelRatioF(),  title(),        static_cast<int>(option.state),
                      palette().cacheKey(), font().key(), style()};
    if (drawing_.isNull() || now != drawnAs_) {
        drawing_ = QPixmap(size() * now.pixelRatio);
        drawing_.setDevicePixelRatio(now.pixelRatio);
        drawing_.fill(Qt::transparent);
        QPainter painter(&drawing_);
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        drawnAs_ = now;
    }
    // Copy only what is being repainted: mostly the small rectangle of a
    // pressed button, not the whole frame.
    const QRect exposed = event->rect();
    QPainter painter(this);
    painter.drawPixmap(exposed.topLeft(), drawing_,
                       QRectF(QPointF(exposed.topLeft()) * now.pixelRatio, QSizeF(exposed.size()) * now.pixelRatio));
}

}  // namespace zentaro
