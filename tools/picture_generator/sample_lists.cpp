// Sample pictures of list output on a finished site: the home page article
// list, one entry of an article list page and one entry of a software list.

#include "drawing.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>

namespace pictures {

namespace {

const QColor kTextDark(0x33, 0x33, 0x33);
const QColor kTextBody(0x55, 0x55, 0x55);
const QColor kTextGrey(0x88, 0x88, 0x88);
const QColor kLinkBlue(0x1a, 0x5d, 0xab);
const QColor kFrameGrey(0xd4, 0xd4, 0xd4);

void drawSummary(QPainter &painter, const QString &text, qreal x, qreal firstBaseline,
                 qreal lineHeight, qreal width, int lines)
{
    const QFont font = uiFont(12);
    painter.setFont(font);
    painter.setPen(kTextBody);
    qreal baseline = firstBaseline;
    for (const QString &line : wrapWithEllipsis(text, font, width, lines)) {
        painter.drawText(QPointF(x, baseline), line);
        baseline += lineHeight;
    }
}

// Frame of a thumbnail: a light border around an inner picture area.
QRectF drawThumbnailFrame(QPainter &painter, const QRectF &outer)
{
    painter.setPen(QColor(0xcc, 0xcc, 0xcc));
    painter.setBrush(Qt::white);
    painter.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    return outer.adjusted(3, 3, -3, -3);
}

} // namespace

QImage articleListSample()
{
    QImage image = newCanvas(365, 267, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    const QRectF panel(3, 5, 359, 259);
    const qreal headerHeight = 29;

    QLinearGradient headerFill(0, panel.top(), 0, panel.top() + headerHeight);
    headerFill.setColorAt(0, QColor(0xfa, 0xfd, 0xf7));
    headerFill.setColorAt(1, QColor(0xe9, 0xf3, 0xe0));
    painter.fillRect(QRectF(panel.left(), panel.top(), panel.width(), headerHeight), headerFill);
    painter.setPen(kFrameGrey);
    painter.drawLine(QPointF(panel.left(), panel.top() + headerHeight + 0.5),
                     QPointF(panel.right(), panel.top() + headerHeight + 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(panel.adjusted(0.5, 0.5, -0.5, -0.5));

    // Header: a small green mark, the section name and the "more" link.
    painter.fillRect(QRectF(panel.left() + 9, panel.top() + 9, 4, 12), QColor(0x3c, 0x8d, 0x1f));
    const qreal headerBaseline = panel.top() + 20;
    drawRuns(painter, panel.left() + 18, headerBaseline,
             {{QStringLiteral("设计资讯"), uiFont(14, true), QColor(0x2f, 0x7a, 0x12)}});
    const QList<TextRun> more = {{QStringLiteral("更多..."), uiFont(12), QColor(0x66, 0x66, 0x66)}};
    drawRuns(painter, panel.right() - 10 - runsWidth(more), headerBaseline - 1, more);

    struct Row {
        const char *date;
        const char *title;
    };
    static const Row rows[] = {
        {"04-07", "企业网站改版前必须想清楚的五个问题"},
        {"04-06", "CSS3圆角与阴影在各浏览器中的兼容写法"},
        {"04-05", "如何为中小企业网站挑选合适的配色方案"},
        {"04-03", "网站首页幻灯片的几种常见实现方式"},
        {"04-02", "图片延迟加载让页面打开速度快一倍"},
        {"03-30", "浅谈网站导航栏的交互设计细节"},
        {"03-28", "表单设计中最容易被忽略的十个细节"},
        {"03-27", "网页中文字体选择与排版的基本原则"},
        {"03-25", "从零开始制作一套完整的企业站模板"},
    };

    const qreal rowHeight = 25;
    qreal top = panel.top() + headerHeight + 1;
    QPen dotted(QColor(0xdd, 0xdd, 0xdd), 1, Qt::DotLine);
    for (int i = 0; i < 9; ++i) {
        const Row &row = rows[i];
        const qreal baseline = top + 17;
        drawArrow(painter, QPointF(panel.left() + 13, top + 12.5), 7, QColor(0xa0, 0xa0, 0xa0));
        drawRuns(painter, panel.left() + 21, baseline,
                 {{QString::fromUtf8(row.date), uiFont(12), QColor(0x99, 0x99, 0x99)}});
        drawRuns(painter, panel.left() + 62, baseline,
                 {{QString::fromUtf8(row.title), uiFont(12), kTextDark}});
        if (i < 8) {
            painter.setPen(dotted);
            painter.drawLine(QPointF(panel.left() + 8, top + rowHeight - 0.5),
                             QPointF(panel.right() - 8, top + rowHeight - 0.5));
        }
        top += rowHeight;
    }
    return image;
}

QImage articlePageSample()
{
    QImage image = newCanvas(654, 117, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    // Thumbnail placeholder of an article without a picture.
    const QRectF inner = drawThumbnailFrame(painter, QRectF(6, 5, 100, 100));
    painter.fillRect(inner, QColor(0xf3, 0xf3, 0xf3));
    const auto centred = [&](const QString &text, const QFont &font, const QColor &color, qreal baseline) {
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        drawRuns(painter, inner.center().x() - width / 2, baseline, {{text, font, color}});
    };
    centred(QStringLiteral("DEDECMS"), uiFont(16, true), QColor(0xb4, 0xb4, 0xb4), inner.center().y() - 1);
    centred(QStringLiteral("无缩略图"), uiFont(12), QColor(0xa8, 0xa8, 0xa8), inner.center().y() + 17);

    const qreal x = 120;
    drawRuns(painter, x, 21,
             {{QStringLiteral("[网页设计] "), uiFont(14), kTextDark},
              {QStringLiteral("网站改版时如何保住原有的搜索引擎排名"), uiFont(14, true), kLinkBlue}});
    drawRuns(painter, x, 41,
             {{QStringLiteral("日期：2013-04-07 10:25:36    点击：286    好评：12"), uiFont(12), kTextGrey}});

    drawSummary(painter,
                QStringLiteral("很多企业网站在改版之后会出现收录下降、排名大幅波动的情况，其实大部分问题都出在"
                               "改版前的准备工作上。本文从网址结构、页面标题、内部链接和301跳转四个方面，总结了"
                               "网站改版时需要注意的细节，帮助站长在更换模板和调整栏目结构的同时，尽量保住网站"
                               "原有的流量和排名，避免因为一次改版而前功尽弃。最后还附上了一份改版前的自查清单。"),
                x, 61, 18, 654 - x - 16, 3);

    painter.setPen(QColor(0xe2, 0xe2, 0xe2));
    painter.drawLine(QPointF(6, 112.5), QPointF(648, 112.5));
    return image;
}

QImage softwarePageSample()
{
    QImage image = newCanvas(633, 102, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    // Screenshot thumbnail: a small window of a colour palette tool.
    const QRectF shot = drawThumbnailFrame(painter, QRectF(10, 7, 104, 88));
    painter.fillRect(shot, QColor(0xf0, 0xf0, 0xf0));
    QLinearGradient titleBar(0, shot.top(), 0, shot.top() + 10);
    titleBar.setColorAt(0, QColor(0x5b, 0x9b, 0xd8));
    titleBar.setColorAt(1, QColor(0x2d, 0x6c, 0xb0));
    painter.fillRect(QRectF(shot.left(), shot.top(), shot.width(), 10), titleBar);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(QPointF(shot.right() - 4 - i * 6, shot.top() + 5), 1.8, 1.8);
    }
    painter.fillRect(QRectF(shot.left() + 3, shot.top() + 2.5, 30, 5), QColor(255, 255, 255, 150));

    static const QRgb swatches[] = {
        0xe53935, 0xfb8c00, 0xfdd835, 0x43a047, 0x00897b, 0x1e88e5, 0x3949ab, 0x8e24aa,
        0xef9a9a, 0xffcc80, 0xfff59d, 0xa5d6a7, 0x80cbc4, 0x90caf9, 0x9fa8da, 0xce93d8,
        0x6d4c41, 0x546e7a, 0x757575, 0x212121, 0xffffff, 0xbdbdbd, 0x33691e, 0x0d47a1,
    };
    const qreal cell = 9;
    for (int i = 0; i < 24; ++i) {
        const QRectF r(shot.left() + 4 + (i % 4) * (cell + 2), shot.top() + 14 + (i / 4) * (cell + 2),
                       cell, cell);
        painter.fillRect(r, QColor::fromRgb(swatches[i]));
        painter.setPen(QColor(0, 0, 0, 40));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QRectF preview(shot.left() + 50, shot.top() + 14, shot.width() - 54, 34);
    QLinearGradient previewFill(preview.topLeft(), preview.bottomRight());
    previewFill.setColorAt(0, QColor(0x1e, 0x88, 0xe5));
    previewFill.setColorAt(1, QColor(0x43, 0xa0, 0x47));
    painter.fillRect(preview, previewFill);
    for (int i = 0; i < 3; ++i) {
        const QRectF field(preview.left(), preview.bottom() + 5 + i * 7,
                           preview.width() * (i % 2 ? 0.6 : 0.9), 4);
        painter.fillRect(field, QColor(0xc4, 0xc4, 0xc4));
    }
    painter.fillRect(QRectF(shot.right() - 22, shot.bottom() - 10, 19, 7), QColor(0x2d, 0x6c, 0xb0));

    const qreal x = 126;
    drawRuns(painter, x, 19,
             {{QStringLiteral("网页配色助手 V2.3 绿色免费版"), uiFont(14, true), kLinkBlue}});

    // Information line: upload time, five rating stars, language and views.
    const QFont info = uiFont(11);
    const QString gap = QStringLiteral("    ");
    qreal cursor = drawRuns(painter, x, 38,
                            {{QStringLiteral("上传日期：2013-04-07 15:42:18") + gap + QStringLiteral("推荐级别："),
                              info, kTextGrey}});
    for (int i = 0; i < 5; ++i)
        drawStar(painter, QRectF(cursor + i * 11, 28, 10.5, 10.5), QColor(0xf5, 0xa6, 0x23));
    cursor += 5 * 11;
    drawRuns(painter, cursor, 38,
             {{gap + QStringLiteral("软件语言：简体中文") + gap + QStringLiteral("浏览次数：1358"), info,
               kTextGrey}});

    drawSummary(painter,
                QStringLiteral("网页配色助手是一款专为网页设计师打造的免费配色工具，内置上百套常用网站配色方案，"
                               "支持屏幕取色、RGB与十六进制颜色值互相转换、颜色收藏和方案导出等功能。软件体积"
                               "小巧，无需安装，解压后即可使用，是制作网站模板和专题页面时的得力助手。新版本修正"
                               "了部分系统下取色不准的问题，并优化了界面显示效果。"),
                x, 57, 17, 598 - x, 3);
    return image;
}

} // namespace pictures
