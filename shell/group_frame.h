// A group box that draws its frame and title once and then copies them.
#pragma once

#include <QGroupBox>
#include <QPixmap>

namespace zentaro {

// A click on a radio or a button repaints it at once, and with it the part of
// the group box beneath; the style lays out the box's title and draws its
// whole frame for every such repaint. This box keeps what the style drew and
// draws it again whenever anything the drawing depends on changes.
class GroupFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct DrawnAs {
        QSize size;
        qreal pixelRatio = 0;
        QString title;
        int state = 0;
        qint64 paletteKey = 0;
        QString fontKey;
        const QStyle* style = nullptr;
        bool operator==(const DrawnAs&) const = default;
    };
    QPixmap drawing_;
    DrawnAs drawnAs_;
};

}  // namespace zentaro
