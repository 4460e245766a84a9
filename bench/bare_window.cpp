#include "bare_window.h"

#include "catalogue.h"
#include "main_window.h"
#include "qt_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace zentaro::bench {
namespace {

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

QWidget* PlainWidgetFor(const GroupControl& control, QWidget* parent) {
    return std::visit(
        [parent](const auto& c) -> QWidget* {
            using Kind = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<Kind, TagEntry> || std::is_same_v<Kind, InertRadio>) {
                return new QRadioButton(ToQString(c.caption), parent);
            } else if constexpr (std::is_same_v<Kind, TagComposer> || std::is_same_v<Kind, PickerLink> ||
                                 std::is_same_v<Kind, DemoLink>) {
                return new QPushButton(ToQString(c.caption), parent);
            } else if constexpr (std::is_same_v<Kind, ParamField>) {
                return new QLineEdit(parent);
            } else if constexpr (std::is_same_v<Kind, ChoiceField>) {
                auto* combo = new QComboBox(parent);
                combo->setEditable(true);
                for (std::string_view item : c.items) combo->addItem(ToQString(item));
                return combo;
            } else if constexpr (std::is_same_v<Kind, Label>) {
                return new QLabel(ToQString(c.caption), parent);
            } else {
                return new QWidget(parent);  // a picture box
            }
        },
        control);
}

}  // namespace

std::unique_ptr<QMainWindow> BuildBareWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->resize(kMainWindowOuterSize);

    const char* const menus[][4] = {
        {"官方论坛", "一起交流", nullptr, nullptr},
        {"Velmora任务", "上传赚钱", "我要仿站", "我要接单"},
        {"帮助", "关于软件", "版权声明", "广告赞助"},
    };
    for (const auto& menu : menus) {
        QMenu* added = window->menuBar()->addMenu(QString::fromUtf8(menu[0]));
        for (int i = 1; i < 4; ++i)
            if (menu[i]) added->addAction(QString::fromUtf8(menu[i]));
    }
    window->menuBar()->actions().back()->menu()->addAction(QStringLiteral("反馈意见"));

    auto* client = new QWidget(window.get());
    window->setCentralWidget(client);
    auto* panel = new QGroupBox(client);
    panel->setGeometry(8, 6, 648, 104);
    (new QLabel(QStringLiteral("显示标签"), panel))->setGeometry(40, 40, 80, 24);
    (new QPlainTextEdit(panel))->setGeometry(104, 9, 376, 88);
    (new QPushButton(QStringLiteral("标签复制"), panel))->setGeometry(517, 14, 112, 34);
    (new QPushButton(QStringLiteral("标签复位"), panel))->setGeometry(516, 59, 112, 34);

    auto* notebookFrame = new QGroupBox(client);
    notebookFrame->setGeometry(11, 112, 653, 568);
    auto* notebook = new QTabWidget(notebookFrame);
    notebook->setGeometry(1, 11, 679, 461);
    for (const CataloguePage* page : Catalogue().pages) {
        auto* pageWidget = new QWidget;
        notebook->addTab(pageWidget, ToQString(page->caption));
        for (const TagGroup& group : page->groups) {
            auto* frame = new QGroupBox(ToQString(group.caption), pageWidget);
            frame->setGeometry(ToQRect(group.rect));
            for (const GroupControl& control : group.controls)
                PlainWidgetFor(control, frame)->setGeometry(ToQRect(ControlRect(control)));
        }
    }
    return window;
}

std::map<std::string, int> WidgetCensus(const QWidget* window) {
    std::map<std::string, int> census;
    for (const QWidget* widget : window->findChildren<QWidget*>()) ++census[widget->metaObject()->className()];
    return census;
}

}  // namespace zentaro::bench
