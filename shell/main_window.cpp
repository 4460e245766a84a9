#include "main_window.h"

#include "click_first.h"
#include "group_frame.h"
#include "maker.h"
#include "open_modal.h"
#include "pictures.h"
#include "qt_text.h"
#include "sub_window.h"
#include "theme.h"
#include "window_frame.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <optional>

namespace zentaro {
namespace {

struct MenuItem {
    std::string_view menu;
    std::string_view item;
    std::optional<InfoWindowId> opens;  // nothing: the item is there but does nothing
};

constexpr MenuItem kMenuItems[] = {
    {"官方论坛", "一起交流", std::nullopt},
    {"Velmora任务", "上传赚钱", std::nullopt},
    {"Velmora任务", "我要仿站", std::nullopt},
    {"Velmora任务", "我要接单", std::nullopt},
    {"帮助", "关于软件", InfoWindowId::About},
    {"帮助", "版权声明", InfoWindowId::Notice},
    {"帮助", "广告赞助", std::nullopt},
    {"帮助", "反馈意见", InfoWindowId::Feedback},
};

// A button whose face is a picture of its words; falls back to the words.
QPushButton* PictureButton(std::string_view words, std::string_view picture, QWidget* parent) {
    auto* button = new ClickFirst<QPushButton>(parent);
    const QPixmap face = LoadPicture(picture);
    if (face.isNull()) {
        button->setText(ToQString(words));
    } else {
        button->setIcon(face);
        button->setIconSize(face.size());
    }
    button->setAccessibleName(ToQString(words));
    button->setToolTip(ToQString(words));
    return button;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // The window exists: apply the font and skin before any child is made,
    // so that each child is polished once, in its final look, when first shown.
    UseDefaultGuiFont();
    ApplySkin(kStartupSkin);
    setWindowTitle(ToQString(kMainWindowTitle));
    MakeFixedFrame(this, kMainWindowOuterSize);

    BuildMenuBar();
    auto* client = new QWidget(this);
    setCentralWidget(client);
    BuildOutputPanel(client);

    auto* notebookFrame = new GroupFrame(client);
    notebookFrame->setObjectName(QStringLiteral("分组框3"));
    notebookFrame->setGeometry(11, 112, 653, 568);
    Notebook* notebook = BuildNotebook(Catalogue(), *this, fields_, notebookFrame);
    notebook->setObjectName(QStringLiteral("选择夹1"));
    notebook->setGeometry(1, 11, 679, 461);

    // Esc closes the window, and with it the program, wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::BuildMenuBar() {
    QMenu* current = nullptr;
    for (const MenuItem& item : kMenuItems) {
        if (!current || current->title() != ToQString(item.menu)) current = menuBar()->addMenu(ToQString(item.menu));
        QAction* action = current->addAction(ToQString(item.item));
        if (item.opens) {
            const InfoWindowId id = *item.opens;
            connect(action, &QAction::triggered, this, [this, id] { OpenInfoWindow(id); });
        }
    }
}

void MainWindow::BuildOutputPanel(QWidget* client) {
    auto* panel = new GroupFrame(client);
    panel->setObjectName(QStringLiteral("分组框2"));
    panel->setGeometry(8, 6, 648, 104);

    auto* label = new QLabel(QStringLiteral("显示标签"), panel);
    label->setObjectName(QStringLiteral("标签1"));
    label->setGeometry(40, 40, 80, 24);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    outputEdit_ = new QPlainTextEdit(panel);
    outputEdit_->setObjectName(QStringLiteral("编辑框1"));
    outputEdit_->setGeometry(104, 9, 376, 88);
    outputEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Wrapping at word boundaries lays out a long run without spaces in
    // quadratic time (minutes for 1 MiB); tags are code, so break anywhere.
    outputEdit_->setWordWrapMode(QTextOption::WrapAnywhere);
    outputEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outputEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    outputEdit_->setTabChangesFocus(true);
    // Tags are mostly plain ASCII, which needs no complex shaping; skipping it
    // where the text allows makes laying out a long text several times faster.
    QFont boxFont = outputEdit_->font();
    boxFont.setStyleStrategy(QFont::PreferNoShaping);
    outputEdit_->setFont(boxFont);
    // The selection shows only while the box has the focus.
    QPalette palette = outputEdit_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Inactive, QPalette::Text));
    outputEdit_->setPalette(palette);
    label->setBuddy(outputEdit_);
    output_ = std::make_unique<PlainTextOutputBox>(outputEdit_);

    QPushButton* copy = PictureButton("标签复制", "copy_button.png", panel);
    copy->setObjectName(QStringLiteral("按钮1"));
    copy->setGeometry(517, 14, 112, 34);
    connect(copy, &QPushButton::clicked, this, &MainWindow::CopyClicked);

    QPushButton* clear = PictureButton("标签复位", "clear_button.png", panel);
    clear->setObjectName(QStringLiteral("标签复位"));
    clear->setGeometry(516, 59, 112, 34);
    connect(clear, &QPushButton::clicked, this, &MainWindow::ClearClicked);
}

void MainWindow::CopyClicked() { CopyOutput(*output_, clipboard_); }

void MainWindow::ClearClicked() { ClearOutput(*output_); }

void MainWindow::EntryClicked(const TagEntry& entry) { WriteOutput(*output_, entry.text); }

void MainWindow::ComposerClicked(const TagComposer& composer) {
    WriteOutput(*output_, ComposeText(composer.recipe, fields_));
}

void MainWindow::PickerLinkClicked(PickerId picker) {
    OpenModal(BuildSubWindow(Picker(picker), [this](std::string_view field, std::string_view value) {
        fields_.SetFieldText(field, value);
    }));
}

void MainWindow::DemoLinkClicked(DemoId demo) { OpenModal(BuildSubWindow(Demo(demo))); }

void MainWindow::OpenInfoWindow(InfoWindowId id) { OpenModal(BuildSubWindow(InfoWindow(id))); }

}  // namespace zentaro
