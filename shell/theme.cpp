#include "theme.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <span>

namespace zentaro {
namespace {

struct SkinColour {
    QPalette::ColorRole role;
    QRgb colour;
};

// Skin 13: a light theme of pale blue-grey surfaces, white boxes with black
// text and soft blue accents, drawn by Qt's Fusion style. A palette rather
// than a style sheet: Qt's style-sheet engine costs every widget a rule
// lookup when it is first shown, which nearly doubled the time to the first
// paint of the main window's few hundred controls.
constexpr SkinColour kSkin13[] = {
    {QPalette::Window, 0xf3f6fa},       {QPalette::WindowText, 0x1b2a3a},
    {QPalette::Base, 0xffffff},         {QPalette::AlternateBase, 0xeef3fa},
    {QPalette::Text, 0x000000},         {QPalette::PlaceholderText, 0x8592a3},
    {QPalette::Button, 0xe6ecf4},       {QPalette::ButtonText, 0x12263d},
    {QPalette::Light, 0xffffff},        {QPalette::Midlight, 0xf0f4f9},
    {QPalette::Mid, 0xc5d0dd},          {QPalette::Dark, 0xa9b8cb},
    {QPalette::Shadow, 0x7d8ea4},       {QPalette::Highlight, 0x3a78c9},
    {QPalette::HighlightedText, 0xffffff}, {QPalette::Link, 0x1f4e86},
    {QPalette::ToolTipBase, 0xffffe8},  {QPalette::ToolTipText, 0x000000},
};

struct Skin {
    int number;
    std::span<const SkinColour> colours;
};

constexpr Skin kSkins[] = {{13, kSkin13}};

QPalette PaletteOf(std::span<const SkinColour> colours) {
    QPalette palette;
    for (const SkinColour& entry : colours) palette.setColor(entry.role, QColor::fromRgb(entry.colour));
    // Disabled controls keep the surfaces but grey their words.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor::fromRgb(0x8592a3));
    return palette;
}

}  // namespace

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
    for (const Skin& skin : kSkins) {
        if (skin.number != skinNumber) continue;
        if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
        QApplication::setPalette(PaletteOf(skin.colours));
        return;
    }
    // No such skin: keep the platform look.
}

}  // namespace zentaro
