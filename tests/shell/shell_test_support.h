// Finding and driving the real widgets of the main window in tests.
#pragma once

#include "catalogue.h"
#include "main_window.h"
#include "qt_text.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

namespace zentaro::testing {

template <typename Widget = QWidget>
Widget* Find(const QWidget* window, std::string_view name) {
    return window->findChild<Widget*>(ToQString(name));
}

// A fresh main window, shown as at start-up.
inline std::unique_ptr<MainWindow> ShowMainWindow() {
    auto window = std::make_unique<MainWindow>();
    window->show();
    return window;
}

inline QTabWidget* NotebookOf(const QWidget* window) { return Find<QTabWidget>(window, "选择夹1"); }

inline QPlainTextEdit* BoxOf(const QWidget* window) { return Find<QPlainTextEdit>(window, "编辑框1"); }

// The box's text as the copy button would put it on the clipboard.
inline std::string BoxText(const QWidget* window) {
    return WithCrLfBreaks(PlainTextOutputBox(BoxOf(window)).Text());
}

// Brings the notebook page holding `widget` to the front.
inline void ShowPageOf(const QWidget* window, const QWidget* widget) {
    QTabWidget* notebook = NotebookOf(window);
    for (int i = 0; i < notebook->count(); ++i)
        if (notebook->widget(i)->isAncestorOf(widget)) notebook->setCurrentIndex(i);
}

// A pointer click at `pos` in `widget`, sent through its window as the window
// system would: it reaches whatever is under the pointer there, and a window
// blocked by a modal one does not get it.
inline void PointerClick(QWidget* widget, QPoint pos) {
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(window, pos));
}

// Clicks inside the radio's indicator: its centre may miss the hit area.
inline void ClickRadio(QRadioButton* radio) {
    QStyleOptionButton option;
    option.initFrom(radio);
    const QRect indicator = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
    PointerClick(radio, indicator.center());
}

inline void ClickControl(const QWidget* window, std::string_view name) {
    QWidget* widget = Find(window, name);
    ShowPageOf(window, widget);
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) ClickRadio(radio);
    else PointerClick(widget, widget->rect().center());
}

// Runs `inModal` on the modal window once the click on `opener` has opened it,
// then closes that window (if still open) so that the click can return.
// Assertions belong after this call: a failing check inside would leave exec() running.
inline void WithModal(const QWidget* window, std::string_view opener, const std::function<void(QWidget*)>& inModal) {
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) inModal(modal);
        if ((modal = QApplication::activeModalWidget())) modal->close();
    });
    ClickControl(window, opener);
}

class MapFields : public FieldTexts {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::string FieldText(std::string_view name) const override {
        auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
};

}  // namespace zentaro::testing
