// The maker's banners: the logo banner of the About window and the ad-space
// banner of the system tags page.

#include "drawing.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {

namespace {

const QString kMakerAddress = QStringLiteral("www.velmora.example");

// The maker's mark: an orange rounded square carrying a white "V".
void drawLogoMark(QPainter &painter, const QRectF &box)
{
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(0xff, 0xa1, 0x2b));
    fill.setColorAt(1, QColor(0xe6, 0x4a, 0x19));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, box.width() * 0.22, box.width() * 0.22);

    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath v;
    v.moveTo(box.left() + w * 0.20, box.top() + h * 0.24);
    v.lineTo(box.left() + w * 0.50, box.top() + h * 0.78);
    v.lineTo(box.left() + w * 0.80, box.top() + h * 0.24);
    painter.setPen(QPen(Qt::white, w * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(v);

    // A small spark on the right arm.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf3, 0xc0));
    painter.drawEllipse(QPointF(box.left() + w * 0.80, box.top() + h * 0.24), w * 0.09, w * 0.09);
}

} // namespace

QImage aboutBanner()
{
    QImage image = newCanvas(431, 105, QColor(0x0d, 0x3c, 0x6e));
    QPainter painter(&image);
    prepare(painter);

    QLinearGradient ground(0, 0, 431, 105);
    ground.setColorAt(0.0, QColor(0x0a, 0x2f, 0x5a));
    ground.setColorAt(0.55, QColor(0x12, 0x57, 0x9c));
    ground.setColorAt(1.0, QColor(0x1d, 0x7a, 0xc8));
    painter.fillRect(image.rect(), ground);

    QRadialGradient glow(QPointF(380, 20), 150);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

    // Sweeping arcs in the background.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, 22 + i * 6), 1.2));
        painter.drawEllipse(QPointF(470, 120), 110 + i * 26, 80 + i * 22);
    }

    drawLogoMark(painter, QRectF(50, 17, 58, 58));

    const qreal x = 122;
    QFont name = uiFont(27, true);
    QPainterPath nameText;
    nameText.addText(x, 45, name, QStringLiteral("Velmora传媒"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(nameText.translated(1.2, 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(nameText);

    drawRuns(painter, x + 1, 65,
             {{QStringLiteral("Zentaro"), uiFont(15, true), QColor(0xff, 0xd5, 0x4f)},
              {QStringLiteral("  DedeCMS 模板标签助手"), uiFont(13), QColor(0xe3, 0xee, 0xfa)}});

    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawLine(QPointF(x + 1, 71.5), QPointF(400, 71.5));
    drawRuns(painter, x + 1, 84, {{kMakerAddress, uiFont(11), QColor(0xbf, 0xdb, 0xf5)}});
    return image;
}

QImage adBanner()
{
    QImage image = newCanvas(271, 66, QColor(0xf2, 0x6a, 0x1b));
    QPainter painter(&image);
    prepare(painter);

    QLinearGradient ground(0, 0, 271, 66);
    ground.setColorAt(0, QColor(0xff, 0x8f, 0x2a));
    ground.setColorAt(1, QColor(0xd8, 0x3a, 0x0c));
    painter.fillRect(image.rect(), ground);

    // Diagonal light bands.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 24));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 150 + i * 38;
        const QPointF band[4] = {{x, 0}, {x + 18, 0}, {x - 14, 66}, {x - 32, 66}};
        painter.drawPolygon(band, 4);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(0xb0, 0x2e, 0x06));
    painter.drawRect(QRectF(0.5, 0.5, 270, 65));
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1, Qt::DashLine));
    painter.drawRect(QRectF(3.5, 3.5, 264, 59));

    QPainterPath headline;
    headline.addText(12, 35, uiFont(25, true), QStringLiteral("广告招商"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7a, 0x1c, 0x00, 110));
    painter.drawPath(headline.translated(1.3, 1.6));
    painter.setBrush(Qt::white);
    painter.drawPath(headline);

    drawRuns(painter, 13, 54, {{QStringLiteral("诚邀合作 · 共赢未来"), uiFont(12), QColor(0xff, 0xf0, 0xc2)}});

    painter.setPen(QColor(255, 255, 255, 120));
    painter.drawLine(QPointF(129.5, 12), QPointF(129.5, 54));

    const qreal x = 139;
    drawRuns(painter, x, 26, {{QStringLiteral("此处虚位以待"), uiFont(15, true), QColor(0xff, 0xe4, 0x4d)}});
    drawRuns(painter, x, 42, {{kMakerAddress, uiFont(11), Qt::white}});
    drawRuns(painter, x, 56, {{QStringLiteral("ad@velmora.example"), uiFont(11), QColor(0xff, 0xf0, 0xc2)}});
    return image;
}

} // namespace pictures
