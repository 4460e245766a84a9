#include "group_frame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace zentaro {

void GroupFrame::paintEvent(QPaintEvent*) {
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
    QPainter painter(this);  // clipped to the region being repainted
    painter.drawPixmap(0, 0, drawing_);
}

}  // namespace zentaro
