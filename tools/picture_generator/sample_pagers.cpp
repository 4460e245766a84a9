// Sample pictures of paging output: the list page pager and a search result
// with the search page's pager line.

#include "drawing.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>

namespace pictures {

namespace {

const QColor kLinkBlue(0x1a, 0x5d, 0xab);
const QColor kTextDark(0x33, 0x33, 0x33);
const QColor kTextGrey(0x66, 0x66, 0x66);
const QColor kGreen(0x00, 0x80, 0x00);

struct PagerBox {
    QString text;
    enum Kind { Link, Current, Select, Info } kind;
};

// Draws one boxed pager item at `x` and returns its right edge.
qreal drawPagerBox(QPainter &painter, qreal x, qreal top, qreal height, const PagerBox &box)
{
    const QFont font = uiFont(12, box.kind == PagerBox::Current);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(box.text);
    const qreal arrowWidth = box.kind == PagerBox::Select ? 15 : 0;
    const qreal padding = box.kind == PagerBox::Info ? 8 : 7;
    const qreal width = qMax<qreal>(22, qRound(textWidth + 2 * padding + arrowWidth));
    const QRectF rect(x, top, width, height);

    QColor border(0xc8, 0xc8, 0xc8);
    QColor fill = Qt::white;
    QColor ink = kTextDark;
    switch (box.kind) {
    case PagerBox::Link:
        ink = kLinkBlue;
        break;
    case PagerBox::Current:
        border = QColor(0x9a, 0xb8, 0xd8);
        fill = QColor(0xee, 0xf4, 0xfb);
        ink = QColor(0x11, 0x11, 0x11);
        break;
    case PagerBox::Select:
        border = QColor(0xa5, 0xac, 0xb5);
        break;
    case PagerBox::Info:
        fill = QColor(0xee, 0xee, 0xee);
        ink = kTextGrey;
        break;
    }
    painter.setPen(border);
    painter.setBrush(fill);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));

    if (box.kind == PagerBox::Select) {
        const QRectF button(rect.right() - arrowWidth - 1, rect.top() + 1, arrowWidth, rect.height() - 2);
        QLinearGradient shade(0, button.top(), 0, button.bottom());
        shade.setColorAt(0, QColor(0xf8, 0xf8, 0xf8));
        shade.setColorAt(1, QColor(0xdc, 0xdf, 0xe3));
        painter.fillRect(button, shade);
        painter.setPen(QColor(0xc8, 0xcc, 0xd2));
        painter.drawLine(QPointF(button.left() + 0.5, button.top()), QPointF(button.left() + 0.5, button.bottom()));
        const QPointF c = button.center();
        const QPointF arrow[3] = {{c.x() - 3.5, c.y() - 1.5}, {c.x() + 3.5, c.y() - 1.5}, {c.x(), c.y() + 2.5}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x44, 0x44, 0x44));
        painter.drawPolygon(arrow, 3);
    }

    painter.setFont(font);
    painter.setPen(ink);
    const QRectF textRect(rect.left(), rect.top(), rect.width() - arrowWidth, rect.height());
    painter.drawText(textRect, box.kind == PagerBox::Select ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter,
                     box.kind == PagerBox::Select ? QStringLiteral(" ") + box.text : box.text);
    return rect.right();
}

} // namespace

QImage pagerSample()
{
    QImage image = newCanvas(463, 48, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    const QList<PagerBox> boxes = {
        {QStringLiteral("首页"), PagerBox::Link},
        {QStringLiteral("上一页"), PagerBox::Link},
        {QStringLiteral("1"), PagerBox::Link},
        {QStringLiteral("2"), PagerBox::Current},
        {QStringLiteral("3"), PagerBox::Link},
        {QStringLiteral("下一页"), PagerBox::Link},
        {QStringLiteral("末页"), PagerBox::Link},
        {QStringLiteral("2"), PagerBox::Select},
        {QStringLiteral("共 3页30条"), PagerBox::Info},
    };
    qreal x = 8;
    for (const PagerBox &box : boxes)
        x = drawPagerBox(painter, x, 7, 22, box) + 4;
    return image;
}

QImage searchPagerSample()
{
    QImage image = newCanvas(672, 138, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    const qreal left = 10;
    const QFont title = uiFont(14);
    drawRuns(painter, left, 21,
             {{QStringLiteral("响应式"), title, kLinkBlue, true},
              {QStringLiteral("网页设计"), title, QColor(0xe0, 0x00, 0x00), true},
              {QStringLiteral("入门教程：从栅格系统开始布局"), title, kLinkBlue, true}});

    const QFont body = uiFont(12);
    painter.setFont(body);
    painter.setPen(QColor(0x44, 0x44, 0x44));
    qreal baseline = 43;
    const QString summary = QStringLiteral(
        "响应式网页设计是目前网站建设的主流做法，同一套页面可以在电脑、平板和手机上自动调整布局。本文以一个"
        "企业站首页为例，从栅格系统、弹性图片和媒体查询三个方面讲解响应式布局的基本思路，并给出了可以直接"
        "套用的样式代码，适合刚接触这方面内容的网页设计师阅读参考。");
    for (const QString &line : wrapWithEllipsis(summary, body, 672 - 2 * left - 8, 2)) {
        painter.drawText(QPointF(left, baseline), line);
        baseline += 19;
    }

    const QString gap = QStringLiteral("    ");
    drawRuns(painter, left, 82,
             {{QStringLiteral("http://www.example.com/a/sheji/2013/0407/286.html"), body, kGreen},
              {gap + QStringLiteral("分类："), body, kTextGrey},
              {QStringLiteral("网页设计"), body, kGreen},
              {gap + QStringLiteral("点击：286") + gap + QStringLiteral("日期：2013-04-07"), body, kTextGrey}});

    painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1, Qt::DashLine));
    painter.drawLine(QPointF(left, 96.5), QPointF(672 - left, 96.5));

    const QFont bold = uiFont(12, true);
    const QString space = QStringLiteral(" ");
    drawRuns(painter, left, 118,
             {{QStringLiteral("共找到"), body, kTextDark},
              {QStringLiteral("30"), bold, kTextDark},
              {QStringLiteral("条记录/最大显示"), body, kTextDark},
              {QStringLiteral("3"), bold, kTextDark},
              {QStringLiteral("页  "), body, kTextDark},
              {QStringLiteral("首页") + space, body, kLinkBlue},
              {QStringLiteral("上一页") + space, body, kLinkBlue},
              {QStringLiteral("[1]") + space, body, kLinkBlue},
              {QStringLiteral("2") + space, bold, kTextDark},
              {QStringLiteral("[3]") + space, body, kLinkBlue},
              {QStringLiteral("下一页") + space, body, kLinkBlue},
              {QStringLiteral("末页"), body, kLinkBlue}});
    return image;
}

} // namespace pictures
