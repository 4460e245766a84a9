// Shared drawing helpers for the picture generator.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace pictures {

// Font families the pictures are drawn with. main() refuses to run when one
// of them is not installed, so a missing font never turns into tofu boxes.
inline const QString kBrushFamily = QStringLiteral("AR PL UKai CN");
inline const QString kUiFamily = QStringLiteral("Noto Sans CJK SC");

QFont brushFont(int pixelSize);
QFont uiFont(int pixelSize, bool bold = false);

// An opaque canvas filled with `background`, at 96 dpi.
QImage newCanvas(int width, int height, const QColor &background);

// Turns on antialiasing for shapes and text.
void prepare(QPainter &painter);

// One piece of a line of text in a single style.
struct TextRun {
    QString text;
    QFont font;
    QColor color;
    bool underline = false;
};

// Draws the runs one after another on the baseline `baseline`, starting at
// `x`; returns the x where the next run would start.
qreal drawRuns(QPainter &painter, qreal x, qreal baseline, const QList<TextRun> &runs);
qreal runsWidth(const QList<TextRun> &runs);

// Breaks `text` into at most `maxLines` lines no wider than `width`. When the
// text does not fit, the last line is shortened and ends in "...". A line
// never starts with closing punctuation such as "，" or "。".
QStringList wrapWithEllipsis(const QString &text, const QFont &font, qreal width, int maxLines);

// A five-pointed star inside `box`.
void drawStar(QPainter &painter, const QRectF &box, const QColor &fill);

// A small right-pointing triangle centred on `centre`.
void drawArrow(QPainter &painter, QPointF centre, qreal size, const QColor &fill);

} // namespace pictures
