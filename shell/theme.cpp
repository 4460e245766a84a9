#include "theme.h"

#include "pictures.h"

#include <QApplication>
#include <QFile>
#include <QFont>

namespace zentaro {

void UseDefaultGuiFont() {
    QFont font = QApplication::font();
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
