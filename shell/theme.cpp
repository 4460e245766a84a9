#include "theme.h"

#include "pictures.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace zentaro {

void UseDefaultGuiFont() {
    QFont font = QApplication::font();
    // Prefer an outline CJK face where one is installed: some systems would
    // otherwise pick a bitmap face for Chinese text at this size.
    for (const QString& family : {QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")}) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPixelSize(12);
    QApplication::setFont(font);
}

void ApplySkin(int skinNumber) {
    InitResources();
    QFile sheet(QStringLiteral(":/theme/skin%1.qss").arg(skinNumber));
    if (!sheet.open(QIODevice::ReadOnly)) return;  // no such skin: keep the platform look
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

}  // namespace zentaro
