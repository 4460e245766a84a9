// Button faces: the copy and clear buttons of the output panel and the face of
// the slideshow composer's button.

#include "drawing.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace pictures {

namespace {

constexpr int kWidth = 105;
constexpr int kHeight = 30;

// Text as an outline path, centred in `box`, so that it can be filled and
// stroked (the stroke gives the thin brush font some ink).
QPainterPath centredText(const QString &text, const QFont &font, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    return path;
}

QImage brushButton(const QString &caption)
{
    QImage image = newCanvas(kWidth, kHeight, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    // A flat white face with a light frame.
    painter.setPen(QColor(0xd6, 0xd6, 0xd6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 2, 2);

    const QColor ink(0xd7, 0x10, 0x10);
    const QPainterPath text = centredText(caption, brushFont(23), QRectF(0, 0, kWidth, kHeight));
    painter.setPen(QPen(ink, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPath(text);
    return image;
}

} // namespace

QImage copyButton()
{
    return brushButton(QStringLiteral("标签复制"));
}

QImage clearButton()
{
    return brushButton(QStringLiteral("标签复位"));
}

QImage flashButton()
{
    QImage image = newCanvas(kWidth, kHeight, QColor(0xe4, 0xf1, 0xfb));
    QPainter painter(&image);
    prepare(painter);

    // Pale blue ground with diagonal stripes.
    painter.save();
    painter.setClipRect(0, 0, kWidth, kHeight);
    painter.setPen(QPen(QColor(0xc2, 0xdb, 0xf2), 3));
    for (int x = -kHeight; x < kWidth + kHeight; x += 7)
        painter.drawLine(QPointF(x, kHeight + 2), QPointF(x + kHeight + 4, -2));
    painter.restore();

    QLinearGradient sheen(0, 0, 0, kHeight);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 110));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 20));
    sheen.setColorAt(1.0, QColor(120, 160, 200, 40));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), sheen);

    painter.setPen(QColor(0x86, 0xad, 0xd3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 2, 2);

    // Red letters with a thin white halo that keeps them clear of the stripes.
    const QPainterPath text = centredText(QStringLiteral("生成Flash"), uiFont(16, true),
                                          QRectF(0, 0, kWidth, kHeight));
    painter.setPen(QPen(QColor(255, 255, 255, 220), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd8, 0x12, 0x12));
    painter.drawPath(text);
    return image;
}

} // namespace pictures
