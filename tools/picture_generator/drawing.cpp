#include "drawing.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

QFont brushFont(int pixelSize)
{
    QFont font(kBrushFamily);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(kUiFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QImage newCanvas(int width, int height, const QColor &background)
{
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(96 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(background);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

qreal drawRuns(QPainter &painter, qreal x, qreal baseline, const QList<TextRun> &runs)
{
    for (const TextRun &run : runs) {
        QFont font = run.font;
        font.setUnderline(run.underline);
        painter.setFont(font);
        painter.setPen(run.color);
        painter.drawText(QPointF(x, baseline), run.text);
        x += QFontMetricsF(run.font).horizontalAdvance(run.text);
    }
    return x;
}

qreal runsWidth(const QList<TextRun> &runs)
{
    qreal width = 0;
    for (const TextRun &run : runs)
        width += QFontMetricsF(run.font).horizontalAdvance(run.text);
    return width;
}

namespace {

bool isClosingPunctuation(QChar c)
{
    static const QString closing = QStringLiteral("，。、；：！？）」』”’…,.;:!?)");
    return closing.contains(c);
}

} // namespace

QStringList wrapWithEllipsis(const QString &text, const QFont &font, qreal width, int maxLines)
{
    const QFontMetricsF metrics(font);
    const QString ellipsis = QStringLiteral("...");
    QStringList lines;
    int pos = 0;
    while (pos < text.size() && lines.size() < maxLines) {
        int end = pos;
        while (end < text.size() && metrics.horizontalAdvance(text.mid(pos, end - pos + 1)) <= width)
            ++end;
        if (end == pos)
            end = pos + 1; // a single glyph wider than the line
        // Let closing punctuation hang at the end instead of opening a line.
        if (end < text.size() && isClosingPunctuation(text.at(end)))
            ++end;
        lines << text.mid(pos, end - pos);
        pos = end;
    }
    if (pos < text.size() && !lines.isEmpty()) {
        QString last = lines.takeLast();
        while (!last.isEmpty() && metrics.horizontalAdvance(last + ellipsis) > width)
            last.chop(1);
        while (!last.isEmpty() && isClosingPunctuation(last.back()))
            last.chop(1);
        lines << last + ellipsis;
    }
    return lines;
}

void drawStar(QPainter &painter, const QRectF &box, const QColor &fill)
{
    const QPointF centre = box.center();
    const qreal outer = qMin(box.width(), box.height()) / 2.0;
    const qreal inner = outer * 0.45;
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF point(centre.x() + radius * qCos(angle),
                            centre.y() + radius * qSin(angle) + outer * 0.08);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void drawArrow(QPainter &painter, QPointF centre, qreal size, const QColor &fill)
{
    const qreal half = size / 2.0;
    const QPointF points[3] = {
        {centre.x() - half * 0.6, centre.y() - half},
        {centre.x() + half * 0.8, centre.y()},
        {centre.x() - half * 0.6, centre.y() + half},
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPolygon(points, 3);
    painter.restore();
}

} // namespace pictures
