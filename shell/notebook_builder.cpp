#include "notebook_builder.h"

#include "click_first.h"
#include "group_frame.h"
#include "pictures.h"
#include "qt_text.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>
#include <type_traits>

namespace zentaro {
namespace {

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

// A label shows a held CR LF as its line break.
QString DisplayText(std::string_view text) { return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QPushButton* BuildComposerButton(const TagComposer& composer, QWidget* parent) {
    const QString words = ToQString(composer.caption);
    const QPixmap face = composer.face.empty() ? QPixmap() : LoadPicture(composer.face);
    if (face.isNull()) return new ClickFirst<QPushButton>(words, parent);
    // A picture-faced button says the words on its picture to assistive tools.
    auto* button = new ClickFirst<QPushButton>(parent);
    button->setIcon(face);
    button->setIconSize(face.size());
    button->setAccessibleName(words);
    button->setToolTip(words);
    return button;
}

class GroupBuilder {
public:
    GroupBuilder(const TagGroup& group, QGroupBox* frame, CatalogueActions& actions, FieldRegistry& fields)
        : group_(group), frame_(frame), actions_(actions), fields_(fields), radios_(new QButtonGroup(frame)) {}

    void Build() {
        // Radio buttons exclude each other within their frame only. A click on
        // a marked radio still emits idClicked, so it writes its text again.
        CatalogueActions* actions = &actions_;
        const TagGroup* group = &group_;
        QObject::connect(radios_, &QButtonGroup::idClicked, frame_, [actions, group](int id) {
            if (const auto* entry = std::get_if<TagEntry>(&group->controls[static_cast<std::size_t>(id)]))
                actions->EntryClicked(*entry);
        });
        for (std::size_t i = 0; i < group_.controls.size(); ++i) {
            const GroupControl& control = group_.controls[i];
            QWidget* widget = std::visit([&](const auto& c) { return Make(c, static_cast<int>(i)); }, control);
            widget->setObjectName(ToQString(ControlName(control)));
            widget->setGeometry(ToQRect(ControlRect(control)));
            if (auto* field = qobject_cast<QLineEdit*>(widget)) fields_.Add(field);
            if (auto* combo = qobject_cast<QComboBox*>(widget)) fields_.Add(combo);
        }
        // Buddies can only be set once the fields exist.
        for (const GroupControl& control : group_.controls) {
            const auto* label = std::get_if<Label>(&control);
            if (!label || label->buddy.empty()) continue;
            auto* labelWidget = frame_->findChild<QLabel*>(ToQString(label->name), Qt::FindDirectChildrenOnly);
            auto* buddy = frame_->findChild<QWidget*>(ToQString(label->buddy), Qt::FindDirectChildrenOnly);
            if (labelWidget && buddy) labelWidget->setBuddy(buddy);
        }
    }

private:
    QWidget* Make(const TagEntry& entry, int id) {
        auto* radio = new ClickFirst<QRadioButton>(ToQString(entry.caption), frame_);
        radios_->addButton(radio, id);
        return radio;
    }
    QWidget* Make(const InertRadio& inert, int id) {
        auto* radio = new ClickFirst<QRadioButton>(ToQString(inert.caption), frame_);
        radios_->addButton(radio, id);
        return radio;
    }
    QWidget* Make(const TagComposer& composer, int) {
        QPushButton* button = BuildComposerButton(composer, frame_);
        CatalogueActions* actions = &actions_;
        QObject::connect(button, &QPushButton::clicked, frame_, [actions, &composer] { actions->ComposerClicked(composer); });
        return button;
    }
    QWidget* Make(const PickerLink& link, int) {
        auto* button = new ClickFirst<QPushButton>(ToQString(link.caption), frame_);
        CatalogueActions* actions = &actions_;
        const PickerId picker = link.picker;
        QObject::connect(button, &QPushButton::clicked, frame_, [actions, picker] { actions->PickerLinkClicked(picker); });
        return button;
    }
    QWidget* Make(const DemoLink& link, int) {
        auto* button = new ClickFirst<QPushButton>(ToQString(link.caption), frame_);
        CatalogueActions* actions = &actions_;
        const DemoId demo = link.demo;
        QObject::connect(button, &QPushButton::clicked, frame_, [actions, demo] { actions->DemoLinkClicked(demo); });
        return button;
    }
    QWidget* Make(const ParamField&, int) {
        auto* field = new QLineEdit(frame_);
        field->setMaxLength(std::numeric_limits<int>::max());  // no length limit of its own
        return field;
    }
    QWidget* Make(const ChoiceField& choice, int) {
        auto* combo = new QComboBox(frame_);
        combo->setEditable(true);
        combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());  // no length limit of its own
        for (std::string_view item : choice.items) combo->addItem(ToQString(item));
        combo->setCurrentIndex(0);
        return combo;
    }
    QWidget* Make(const Label& label, int) {
        auto* widget = new QLabel(DisplayText(label.caption), frame_);
        widget->setTextFormat(Qt::PlainText);
        // A caption of several lines starts at the top, so that its first line
        // shows whole where the label is only one line high.
        const bool severalLines = label.caption.find('\n') != std::string_view::npos;
        widget->setAlignment(Qt::AlignLeft | (severalLines ? Qt::AlignTop : Qt::AlignVCenter));
        // Labels never take a click, also where one overlaps a button.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        return widget;
    }
    QWidget* Make(const PictureBox& box, int) { return new PictureView(LoadPicture(box.picture), frame_); }

    const TagGroup& group_;
    QGroupBox* frame_;
    CatalogueActions& actions_;
    FieldRegistry& fields_;
    QButtonGroup* radios_;
};

}  // namespace

void Notebook::AddGroupFrame(QWidget* frame, QRect inNotebook) {
    frames_.emplace_back(frame, inNotebook);
    PlaceGroupFrames();
}

bool Notebook::event(QEvent* event) {
    const bool handled = QTabWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Resize:
        case QEvent::StyleChange:
        case QEvent::FontChange:
        case QEvent::LayoutRequest:
        case QEvent::Polish:
            PlaceGroupFrames();
            break;
        default:
            break;
    }
    return handled;
}

void Notebook::PlaceGroupFrames() {
    for (const auto& [frame, inNotebook] : frames_) {
        const QPoint pageOrigin = frame->parentWidget()->mapTo(this, QPoint(0, 0));
        frame->setGeometry(inNotebook.translated(-pageOrigin));
    }
}

Notebook* BuildNotebook(const TagCatalogue& catalogue, CatalogueActions& actions, FieldRegistry& fields,
                        QWidget* parent) {
    auto* notebook = new Notebook(parent);
    for (const CataloguePage* page : catalogue.pages) {
        auto* pageWidget = new QWidget;
        notebook->addTab(pageWidget, ToQString(page->caption));
        for (const TagGroup& group : page->groups) {
            auto* frame = new GroupFrame(ToQString(group.caption), pageWidget);
            frame->setObjectName(ToQString(group.name));
            GroupBuilder(group, frame, actions, fields).Build();
            notebook->AddGroupFrame(frame, ToQRect(group.rect));
        }
    }
    notebook->setCurrentIndex(0);
    return notebook;
}

}  // namespace zentaro
