#include "sub_window.h"

#include "click_first.h"
#include "pictures.h"
#include "qt_text.h"
#include "window_frame.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include <type_traits>
#include <vector>

namespace zentaro {
namespace {

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

// Multi-line texts are held with CR LF; a label shows LF as its line break.
QString DisplayText(std::string_view text) { return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QLabel* BuildTextLabel(const TextLabel& description, QWidget* parent) {
    auto* label = new QLabel(DisplayText(description.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(description.wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A style sheet rather than a palette, so that the theme cannot override the colour.
    label->setStyleSheet(QStringLiteral("color: #%1;").arg(description.rgb, 6, 16, QLatin1Char('0')));
    if (description.pixelHeight > 0) {
        QFont font = label->font();
        font.setPixelSize(description.pixelHeight);
        font.setWeight(QFont::Normal);
        label->setFont(font);
    }
    return label;
}

}  // namespace

std::unique_ptr<QDialog> BuildSubWindow(const SubWindow& description, FieldWriter writeField) {
    auto window = std::make_unique<QDialog>();
    window->setWindowTitle(ToQString(description.title));
    MakeFixedFrame(window.get(), {description.outer.width, description.outer.height});

    // Picker items of one window exclude each other; each click writes its value.
    auto* items = new QButtonGroup(window.get());
    std::vector<const PickerItem*> itemData;

    for (const WindowControl& control : description.controls) {
        QWidget* widget = std::visit(
            [&](const auto& c) -> QWidget* {
                using Kind = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<Kind, PickerItem>) {
                    auto* radio = new ClickFirst<QRadioButton>(ToQString(c.caption), window.get());
                    items->addButton(radio, static_cast<int>(itemData.size()));
                    itemData.push_back(&c);
                    return radio;
                } else if constexpr (std::is_same_v<Kind, PictureBox>) {
                    return new PictureView(LoadPicture(c.picture), window.get());
                } else {
                    return BuildTextLabel(c, window.get());
                }
            },
            control);
        widget->setObjectName(ToQString(WindowControlName(control)));
        widget->setGeometry(ToQRect(std::visit([](const auto& c) { return c.rect; }, control)));
    }

    QObject::connect(items, &QButtonGroup::idClicked, window.get(), [itemData, writeField](int id) {
        const PickerItem* item = itemData[static_cast<std::size_t>(id)];
        if (writeField) writeField(item->field, item->value);
    });
    return window;
}

}  // namespace zentaro
