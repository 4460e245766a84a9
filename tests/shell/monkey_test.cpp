// A seeded random user: thousands of real pointer clicks, key presses, pastes
// and input-method commits on every page, every picker and every sample
// window. After every action the widgets are compared with a model that this
// test keeps on its own from the catalogue data:
//   - the output box holds what the last entry or composer wrote, or the
//     user's own edit of it;
//   - a pick writes its item's value into its one field and nothing else;
//   - every other field, the box and the clipboard keep their texts;
//   - a copy puts the box's text on the clipboard with CR LF line breaks;
//   - a closed sub-window leaves no window behind and no modal state.
//
// The run is repeatable: it prints its seed and how to replay it. Set
// ZENTARO_MONKEY_SEED to replay or to try another run, and
// ZENTARO_MONKEY_ACTIONS for a longer one.
#include "shell_test_support.h"

#include "windows.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

using namespace zentaro;
using namespace zentaro::testing;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultActions = 10000;

// Same numbers for the same seed on every platform and standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(std::size_t n) { return static_cast<int>(Next() % n); }
    bool OneIn(int n) { return Below(static_cast<std::size_t>(n)) == 0; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(Below(items.size()))]; }

private:
    std::uint64_t state_;
};

// Readable form of part of a text for failure messages: control and
// invisible characters escaped, the length given.
QString Shown(const QString& text, qsizetype from = 0) {
    constexpr qsizetype kShownChars = 120;
    QString out;
    for (QChar c : text.mid(from, kShownChars)) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x200B && u <= 0x200F) || (u >= 0x202A && u <= 0x202E) || u == 0xFEFF)
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else out += c;
    }
    if (from > 0) out.prepend(QStringLiteral("…"));
    if (from + kShownChars < text.size()) out += QStringLiteral("…");
    return u'"' + out + u'"' + (text.size() > kShownChars ? QStringLiteral(" (%1 chars)").arg(text.size()) : QString());
}

// Both texts shown from a little before their first difference.
QString Mismatch(const QString& what, const QString& actual, const QString& expected) {
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    const qsizetype from = at > 40 ? at - 40 : 0;
    return what + QStringLiteral(": holds ") + Shown(actual, from) + QStringLiteral(", expected ") +
           Shown(expected, from) + QStringLiteral(" (first difference at character ") + QString::number(at) +
           u')';
}

// The form the copy button gives a text: every line break as CR LF.
QString CrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

QString RawBoxText(const QWidget* window) {
    QString text = BoxOf(window)->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return CrLf(text);
}

QString PrintableAscii(Rng& rng, int length) {
    QString text;
    for (int i = 0; i < length; ++i) text += QChar(u' ' + rng.Below(95));
    return text;
}

// Pieces of the texts a hostile user types or pastes. No lone CR and no
// paragraph separators: a text box has no way to hold those apart from a
// line break.
const std::vector<QString>& HostilePieces() {
    static const std::vector<QString> pieces = {
        QString(),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("' \" < > { } | [ ] \\ / ="),
        QStringLiteral("{dede:arclist row='5'}[field:title/]{/dede:arclist}"),
        QStringLiteral("中文标签栏目名称"),
        QStringLiteral("，：（）【】“”　全角"),
        QString(QChar(0)),
        QString::fromUtf16(u"a\u0000b", 3),
        QStringLiteral("\u200F\u202Eabc\u202C\u200E"),
        QStringLiteral("مرحبا שלום"),
        QStringLiteral("😀👨‍👩‍👧🇨🇳"),
        QStringLiteral("e\u0301\u0308 \u00A0nbsp \uFEFFbom \u200Dzwj"),
        QStringLiteral("\ttab"),
        QStringLiteral("line one\nline two"),
        QStringLiteral("crlf\r\nbreak"),
        QStringLiteral("0"),
        QStringLiteral("-1"),
        QStringLiteral("4294967296"),
        QStringLiteral("%s %n %1 %%"),
        QStringLiteral("<script>alert('x')</script>"),
    };
    return pieces;
}

struct EntryTarget {
    QString group;
    QRadioButton* widget;
    const TagEntry* entry;  // null for a radio without action
};

struct ComposerTarget {
    QPushButton* widget;
    const TagComposer* composer;
};

struct LinkTarget {
    QPushButton* widget;
    const SubWindow* window;
    bool picker;
};

struct FieldTarget {
    QString name;
    QLineEdit* edit;      // the one-line box, also inside a combo box
    QComboBox* combo;     // null for a plain field
    std::vector<ComposerTarget> readers;  // composers of the same page that read it
};

struct PageTargets {
    std::vector<EntryTarget> radios;
    std::vector<ComposerTarget> composers;
    std::vector<LinkTarget> links;
    std::vector<FieldTarget> fields;
};

// What the test expects the program to show, kept from the catalogue data
// and the actions alone.
struct Model {
    QHash<QString, QString> fields;
    QString box;  // with CR LF line breaks
    QString clipboard;
    QHash<QString, QRadioButton*> marked;  // group frame name → its marked radio
    int page = 0;
};

class ModelFields : public FieldTexts {
public:
    explicit ModelFields(const Model& model) : model_(model) {}
    std::string FieldText(std::string_view name) const override { return ToUtf8(model_.fields.value(ToQString(name))); }

private:
    const Model& model_;
};

class Monkey {
public:
    Monkey(QWidget* window, std::uint64_t seed) : window_(window), rng_(seed) {
        QTabWidget* notebook = NotebookOf(window_);
        for (const CataloguePage* page : Catalogue().pages) {
            PageTargets targets;
            for (const TagGroup& group : page->groups) {
                for (const GroupControl& control : group.controls) {
                    const QString name = ToQString(ControlName(control));
                    if (const auto* entry = std::get_if<TagEntry>(&control))
                        targets.radios.push_back({ToQString(group.name), Find<QRadioButton>(window_, entry->name), entry});
                    else if (std::holds_alternative<InertRadio>(control))
                        targets.radios.push_back({ToQString(group.name), Find<QRadioButton>(window_, ControlName(control)), nullptr});
                    else if (const auto* composer = std::get_if<TagComposer>(&control))
                        targets.composers.push_back({Find<QPushButton>(window_, composer->name), composer});
                    else if (const auto* link = std::get_if<PickerLink>(&control))
                        targets.links.push_back({Find<QPushButton>(window_, link->name), &Picker(link->picker), true});
                    else if (const auto* demo = std::get_if<DemoLink>(&control))
                        targets.links.push_back({Find<QPushButton>(window_, demo->name), &Demo(demo->demo), false});
                    else if (std::holds_alternative<ParamField>(control))
                        targets.fields.push_back({name, Find<QLineEdit>(window_, ControlName(control)), nullptr, {}});
                    else if (const auto* choice = std::get_if<ChoiceField>(&control)) {
                        auto* combo = Find<QComboBox>(window_, choice->name);
                        targets.fields.push_back({name, combo ? combo->lineEdit() : nullptr, combo, {}});
                        model_.fields[name] = ToQString(choice->items.front());
                    }
                    if (std::holds_alternative<ParamField>(control)) model_.fields[name] = QString();
                }
            }
            for (FieldTarget& field : targets.fields)
                for (const ComposerTarget& composer : targets.composers)
                    for (const RecipePiece& piece : composer.composer->recipe.pieces)
                        if (piece.kind == RecipePiece::Kind::Field && ToQString(piece.text) == field.name) {
                            field.readers.push_back(composer);
                            break;
                        }
            pages_.push_back(std::move(targets));
        }
        model_.page = notebook->currentIndex();
        model_.clipboard = QGuiApplication::clipboard()->text();
        for (const InfoWindowId id : AllInfoWindows()) infoWindows_.push_back(id);
    }

    // Every widget the run needs was found.
    QString MissingWidget() const {
        for (const PageTargets& page : pages_) {
            for (const EntryTarget& r : page.radios)
                if (!r.widget) return QStringLiteral("a radio button of %1").arg(r.group);
            for (const ComposerTarget& c : page.composers)
                if (!c.widget) return ToQString(c.composer->name);
            for (const LinkTarget& l : page.links)
                if (!l.widget) return ToQString(l.window->title);
            for (const FieldTarget& f : page.fields)
                if (!f.edit) return f.name;
        }
        return {};
    }

    // Performs one random action and returns what went wrong, if anything.
    QString Step(int number) {
        action_ = QStringLiteral("#%1 ").arg(number);
        problem_.clear();
        if (!forced_.empty()) {
            auto next = std::move(forced_.front());
            forced_.pop_front();
            EnsureActive();
            next();
        } else if (number % 2000 == 1000) {
            // Now and then a paste of 1 MiB, into a field or the box.
            EnsureActive();
            longTextDue_ = true;
            if (rng_.OneIn(2) && !Current().fields.empty()) EditField(rng_.Pick(Current().fields), 0);
            else EditBox(0);
        } else {
            EnsureActive();
            RandomAction();
        }
        history_.push_back(action_);
        if (history_.size() > 25) history_.pop_front();
        if (problem_.isEmpty()) problem_ = ProblemOutsideModal();
        return problem_;
    }

    // How often each kind of action ran, for the log.
    QString Tally() const {
        QStringList lines;
        for (auto it = tally_.begin(); it != tally_.end(); ++it) lines << QStringLiteral("%1 × %2").arg(it.value(), 6).arg(it.key());
        return lines.join(u'\n');
    }

    QString History() const {
        QStringList lines(history_.begin(), history_.end());
        return lines.join(u'\n');
    }

private:
    enum class Kind { Entry, InertRadio, Composer, KeyboardClick, Field, Box, Link, Copy, Clear, Page, Menu };

    void RandomAction() {
        static const std::pair<int, Kind> weights[] = {
            {24, Kind::Entry}, {2, Kind::InertRadio}, {14, Kind::Composer}, {4, Kind::KeyboardClick},
            {20, Kind::Field}, {8, Kind::Box},       {7, Kind::Link},      {6, Kind::Copy},
            {4, Kind::Clear},  {6, Kind::Page},      {1, Kind::Menu},
        };
        int total = 0;
        for (const auto& [weight, kind] : weights) total += weight;
        for (;;) {
            int roll = rng_.Below(static_cast<std::size_t>(total));
            Kind kind = Kind::Entry;
            for (const auto& [weight, k] : weights) {
                if (roll < weight) {
                    kind = k;
                    break;
                }
                roll -= weight;
            }
            if (Perform(kind)) return;
        }
    }

    const PageTargets& Current() const { return pages_[static_cast<std::size_t>(model_.page)]; }

    // Returns false when the current page offers nothing of that kind.
    bool Perform(Kind kind) {
        const PageTargets& page = Current();
        switch (kind) {
            case Kind::Entry:
            case Kind::InertRadio: {
                std::vector<EntryTarget> radios;
                for (const EntryTarget& r : page.radios)
                    if ((r.entry != nullptr) == (kind == Kind::Entry)) radios.push_back(r);
                if (radios.empty()) return false;
                ClickRadioTarget(rng_.Pick(radios), false);
                return true;
            }
            case Kind::Composer:
                if (page.composers.empty()) return false;
                ClickComposer(rng_.Pick(page.composers), false);
                return true;
            case Kind::KeyboardClick:
                if (rng_.OneIn(2) && !page.composers.empty()) ClickComposer(rng_.Pick(page.composers), true);
                else if (!page.radios.empty()) ClickRadioTarget(rng_.Pick(page.radios), true);
                else return false;
                return true;
            case Kind::Field:
                if (page.fields.empty()) return false;
                EditField(rng_.Pick(page.fields));
                return true;
            case Kind::Box:
                EditBox();
                return true;
            case Kind::Link:
                if (page.links.empty()) return false;
                OpenLink(rng_.Pick(page.links));
                return true;
            case Kind::Copy:
                Copy();
                return true;
            case Kind::Clear:
                Count("clear");
                action_ += QStringLiteral("click 标签复位");
                ClickControl(window_, "标签复位");
                model_.box.clear();
                return true;
            case Kind::Page:
                SwitchPage(rng_.Below(pages_.size()));
                return true;
            case Kind::Menu:
                OpenInfoWindowFromMenu(infoWindows_[static_cast<std::size_t>(rng_.Below(infoWindows_.size()))]);
                return true;
        }
        return false;
    }

    // Without a window manager nothing activates the main window again when
    // a sub-window closes, nor when it is clicked; do it as one would.
    void EnsureActive() {
        if (QApplication::activeWindow() == window_) return;
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_, 1000)) Note(QStringLiteral("the main window cannot be activated"));
    }

    // A click by pointer, or by the space bar on the focused control.
    void Activate(QAbstractButton* button, bool byKeyboard) {
        if (byKeyboard) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        } else if (auto* radio = qobject_cast<QRadioButton*>(button)) {
            ClickRadio(radio);
        } else {
            PointerClick(button, button->rect().center());
        }
    }

    void ClickRadioTarget(const EntryTarget& target, bool byKeyboard) {
        Count(target.entry ? (byKeyboard ? "entry, by the space bar" : "entry, by pointer") : "radio without action");
        action_ += QStringLiteral("%1 radio %2 in %3")
                       .arg(byKeyboard ? "space on" : "click", target.widget->objectName(), target.group);
        Activate(target.widget, byKeyboard);
        model_.marked[target.group] = target.widget;
        if (target.entry) {
            model_.box = CrLf(ToQString(target.entry->text));
            ExpectFirstLineShown();
        }
    }

    void ClickComposer(const ComposerTarget& target, bool byKeyboard) {
        Count(byKeyboard ? "composer, by the space bar" : "composer, by pointer");
        action_ += QStringLiteral("%1 composer %2").arg(byKeyboard ? "space on" : "click", target.widget->objectName());
        // The expected text comes from the model's field texts, not from the widgets.
        const QString expected = CrLf(ToQString(ComposeText(target.composer->recipe, ModelFields(model_))));
        Activate(target.widget, byKeyboard);
        model_.box = expected;
        ExpectFirstLineShown();
    }

    // A write shows the new text from its first line.
    void ExpectFirstLineShown() {
        if (BoxOf(window_)->verticalScrollBar()->value() != 0)
            Note(QStringLiteral("the box does not show the written text from its first line"));
    }

    void Copy() {
        Count("copy");
        action_ += QStringLiteral("click 按钮1 (copy)");
        ClickControl(window_, "按钮1");
        model_.clipboard = model_.box;
    }

    void SwitchPage(int index) {
        QTabBar* tabs = NotebookOf(window_)->tabBar();
        Count("page switch");
        action_ += QStringLiteral("click tab %1").arg(tabs->tabText(index));
        PointerClick(tabs, tabs->tabRect(index).center());
        model_.page = index;
    }

    // A text to type or paste: a few hostile pieces, now and then a long one.
    QString RandomText() {
        if (longTextDue_) {
            longTextDue_ = false;
            Count("text of 1 MiB");
            return QString(1 << 20, u'm') + HostilePieces()[3];
        }
        if (rng_.OneIn(200)) {
            Count("text of 64 KiB");
            return PrintableAscii(rng_, 64 * 1024);
        }
        QString text;
        const int pieces = rng_.Below(4);
        for (int i = 0; i < pieces; ++i) {
            if (rng_.OneIn(3)) text += PrintableAscii(rng_, 1 + rng_.Below(12));
            else text += rng_.Pick(HostilePieces());
        }
        return text;
    }

    QString NonEmptyText() {
        QString text = RandomText();
        return text.isEmpty() ? QStringLiteral("x") : text;
    }

    // Puts a text on the clipboard as another program would, before a paste.
    void OfferForPaste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        model_.clipboard = text;
    }

    // The keyboard focus must be where the user just clicked.
    QWidget* FocusAfterClick(QWidget* expected) {
        QWidget* focus = QApplication::focusWidget();
        if (focus != expected && problem_.isEmpty())
            problem_ = QStringLiteral("clicking into %1 did not give it the keyboard focus").arg(expected->objectName());
        return expected;
    }

    // Removes the last `count` characters as Backspace does: a surrogate pair
    // and, in the box, a line break count as one.
    static void Backspace(QString& text, int count, bool crLfIsOne) {
        for (int i = 0; i < count && !text.isEmpty(); ++i) {
            qsizetype n = 1;
            if (text.size() >= 2 && text.back().isLowSurrogate() && text[text.size() - 2].isHighSurrogate()) n = 2;
            if (crLfIsOne && text.endsWith(QStringLiteral("\r\n"))) n = 2;
            text.chop(n);
        }
    }

    // `mode` -1 picks a random edit.
    void EditField(const FieldTarget& field, int mode = -1) {
        Count(field.combo ? "combo box edit" : "field edit");
        QString& model = model_.fields[field.name];
        // Typing into a combo box completes the text from its items, so it
        // gets only edits whose result does not depend on them.
        if (mode < 0) mode = field.combo ? std::array{0, 1, 4, 5}[static_cast<std::size_t>(rng_.Below(4))] : rng_.Below(6);
        PointerClick(field.edit, QPoint(field.edit->width() / 3, field.edit->height() / 2));
        QWidget* focus = FocusAfterClick(field.combo ? static_cast<QWidget*>(field.combo) : field.edit);
        switch (mode) {
            case 0: {  // select all, paste
                const QString text = NonEmptyText();
                action_ += QStringLiteral("paste over %1: %2").arg(field.name, Shown(text));
                OfferForPaste(text);
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                model = text;
                if (text.size() > 4096) ExerciseLongField(field);
                break;
            }
            case 1: {  // paste at the end
                const QString text = NonEmptyText();
                action_ += QStringLiteral("paste at end of %1: %2").arg(field.name, Shown(text));
                OfferForPaste(text);
                QTest::keyClick(focus, Qt::Key_End);
                QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                model += text;
                if (model.size() > 4096) ExerciseLongField(field);
                break;
            }
            case 2: {  // type at the end
                const QString text = PrintableAscii(rng_, rng_.Below(10));
                action_ += QStringLiteral("type at end of %1: %2").arg(field.name, Shown(text));
                QTest::keyClick(focus, Qt::Key_End);
                QTest::keyClicks(focus, text);
                model += text;
                break;
            }
            case 3: {  // an input method commits a text at the end
                QString text = RandomText();
                if (text.size() > 4096) text.truncate(64);
                action_ += QStringLiteral("input method commits at end of %1: %2").arg(field.name, Shown(text));
                QTest::keyClick(focus, Qt::Key_End);
                QInputMethodEvent commit;
                commit.setCommitString(text);
                QApplication::sendEvent(focus, &commit);
                model += text;
                break;
            }
            case 4: {  // select all, delete
                action_ += QStringLiteral("select all and delete in %1").arg(field.name);
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(focus, Qt::Key_Delete);
                model.clear();
                break;
            }
            default: {  // backspace at the end
                const int count = 1 + rng_.Below(3);
                action_ += QStringLiteral("%1 × backspace at end of %2").arg(count).arg(field.name);
                QTest::keyClick(focus, Qt::Key_End);
                for (int i = 0; i < count; ++i) QTest::keyClick(focus, Qt::Key_Backspace);
                Backspace(model, count, false);
                break;
            }
        }
    }

    // After a long text: the next actions compose from it, then the user
    // replaces it, so that the long text does not slow down the whole run.
    void ExerciseLongField(const FieldTarget& field) {
        if (!field.readers.empty()) {
            const ComposerTarget reader = rng_.Pick(field.readers);
            forced_.emplace_back([this, reader] { ClickComposer(reader, false); });
            forced_.emplace_back([this] { Copy(); });
        }
        forced_.emplace_back([this, field] {
            PointerClick(field.edit, QPoint(field.edit->width() / 3, field.edit->height() / 2));
            QWidget* focus = FocusAfterClick(field.combo ? static_cast<QWidget*>(field.combo) : field.edit);
            action_ += QStringLiteral("select all and delete the long text of %1").arg(field.name);
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focus, Qt::Key_Delete);
            model_.fields[field.name].clear();
        });
    }

    void EditBox(int mode = -1) {
        Count("output box edit");
        QPlainTextEdit* box = BoxOf(window_);
        QWidget* viewport = box->viewport();
        PointerClick(viewport, QPoint(rng_.Below(static_cast<std::size_t>(viewport->width())),
                                      rng_.Below(static_cast<std::size_t>(viewport->height()))));
        QWidget* focus = FocusAfterClick(box);
        switch (mode < 0 ? rng_.Below(6) : mode) {
            case 0: {
                const QString text = NonEmptyText();
                action_ += QStringLiteral("paste over the box: %1").arg(Shown(text));
                OfferForPaste(text);
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                model_.box = CrLf(text);
                if (text.size() > 4096) ExerciseLongBox();
                break;
            }
            case 1: {
                const QString text = NonEmptyText();
                action_ += QStringLiteral("paste at end of the box: %1").arg(Shown(text));
                OfferForPaste(text);
                QTest::keyClick(focus, Qt::Key_End, Qt::ControlModifier);
                QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                model_.box += CrLf(text);
                if (model_.box.size() > 4096) ExerciseLongBox();
                break;
            }
            case 2: {  // typed lines
                QString text = PrintableAscii(rng_, rng_.Below(10));
                if (rng_.OneIn(2)) text += u'\n' + PrintableAscii(rng_, rng_.Below(6));
                action_ += QStringLiteral("type at end of the box: %1").arg(Shown(text));
                QTest::keyClick(focus, Qt::Key_End, Qt::ControlModifier);
                const QStringList lines = text.split(u'\n');
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    if (i > 0) QTest::keyClick(focus, Qt::Key_Return);
                    QTest::keyClicks(focus, lines[i]);
                }
                model_.box += CrLf(text);
                break;
            }
            case 3: {
                QString text = RandomText();
                if (text.size() > 4096) text.truncate(64);
                action_ += QStringLiteral("input method commits at end of the box: %1").arg(Shown(text));
                QTest::keyClick(focus, Qt::Key_End, Qt::ControlModifier);
                QInputMethodEvent commit;
                commit.setCommitString(text);
                QApplication::sendEvent(focus, &commit);
                model_.box += CrLf(text);
                break;
            }
            case 4:
                action_ += QStringLiteral("select all and delete in the box");
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(focus, Qt::Key_Delete);
                model_.box.clear();
                break;
            default: {
                const int count = 1 + rng_.Below(3);
                action_ += QStringLiteral("%1 × backspace at end of the box").arg(count);
                QTest::keyClick(focus, Qt::Key_End, Qt::ControlModifier);
                for (int i = 0; i < count; ++i) QTest::keyClick(focus, Qt::Key_Backspace);
                Backspace(model_.box, count, true);
                break;
            }
        }
    }

    void ExerciseLongBox() {
        forced_.emplace_back([this] { Copy(); });
        forced_.emplace_back([this] {
            action_ += QStringLiteral("click 标签复位 after a long box text");
            ClickControl(window_, "标签复位");
            model_.box.clear();
        });
    }

    // Runs `inside` once the sub-window opened by `open` is up, then closes
    // it with Esc sent to the keyboard focus. Problems found inside are kept
    // and reported after the window has closed.
    void WithSubWindow(const SubWindow& expected, const std::function<void()>& open,
                       const std::function<void(QDialog*)>& inside) {
        auto armed = std::make_shared<bool>(true);
        auto ran = std::make_shared<bool>(false);
        QTimer::singleShot(0, [this, armed, ran, &expected, &inside] {
            if (!*armed) return;  // nothing opened: the click has long returned
            *ran = true;
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal) {
                Note(QStringLiteral("no modal sub-window is active after the click"));
                // Close whatever opened, so that the click can return.
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (top != window_ && top->isVisible()) top->close();
                return;
            }
            if (modal->windowTitle() != ToQString(expected.title))
                Note(QStringLiteral("the sub-window %1 opened instead of %2")
                         .arg(modal->windowTitle(), ToQString(expected.title)));
            for (QRadioButton* item : modal->findChildren<QRadioButton*>())
                if (item->isChecked()) Note(QStringLiteral("%1 is marked when the window opens").arg(item->text()));
            inside(modal);
            // Keys go to the focused control of the active window, or to the
            // window itself when none of its controls takes the focus.
            if (!QTest::qWaitForWindowActive(modal, 2000)) Note(QStringLiteral("the open sub-window is not the active window"));
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus->window() != modal) focus = modal;  // never Esc to the main window: it would close
            QTest::keyClick(focus, Qt::Key_Escape);
            if (QApplication::activeModalWidget() == modal) {
                Note(QStringLiteral("Esc did not close the sub-window"));
                modal->close();
            }
        });
        open();
        *armed = false;
        if (!*ran) Note(QStringLiteral("the click opened no sub-window"));
    }

    void Count(const char* kind) { ++tally_[QString::fromUtf8(kind)]; }

    void Note(const QString& problem) {
        if (problem_.isEmpty()) problem_ = problem;
    }

    // A click that reaches the main window while a sub-window is open.
    void BlockedClick() {
        const PageTargets& page = Current();
        if (rng_.OneIn(2) && !page.radios.empty()) {
            const EntryTarget& target = rng_.Pick(page.radios);
            action_ += QStringLiteral(", blocked click on %1").arg(target.widget->objectName());
            Count("blocked click");
            ClickRadio(target.widget);
        } else if (!page.composers.empty()) {
            const ComposerTarget& target = rng_.Pick(page.composers);
            action_ += QStringLiteral(", blocked click on %1").arg(target.widget->objectName());
            Count("blocked click");
            PointerClick(target.widget, target.widget->rect().center());
        } else {
            action_ += QStringLiteral(", blocked click on 标签复位");
            Count("blocked click");
            ClickControl(window_, "标签复位");
        }
        Note(ProblemInTexts());
    }

    void OpenLink(const LinkTarget& link) {
        const bool byKeyboard = rng_.OneIn(5);
        Count(link.picker ? "picker window" : "sample picture window");
        action_ += QStringLiteral("%1 %2, opening %3")
                       .arg(byKeyboard ? "space on" : "click", link.widget->objectName(), ToQString(link.window->title));
        WithSubWindow(*link.window, [&] { Activate(link.widget, byKeyboard); },
                      [&](QDialog* modal) {
                          if (rng_.OneIn(3)) BlockedClick();
                          if (!link.picker) return;
                          std::vector<const PickerItem*> items;
                          for (const WindowControl& control : link.window->controls)
                              if (const auto* item = std::get_if<PickerItem>(&control)) items.push_back(item);
                          const int picks = rng_.Below(5);
                          for (int i = 0; i < picks; ++i) {
                              const PickerItem* item = rng_.Pick(items);
                              action_ += QStringLiteral(", pick %1").arg(ToQString(item->caption));
                              auto* radio = modal->findChild<QRadioButton*>(ToQString(item->name));
                              if (!radio) {
                                  Note(QStringLiteral("picker item %1 is missing").arg(ToQString(item->name)));
                                  return;
                              }
                              Count("pick");
                              ClickRadio(radio);
                              model_.fields[ToQString(item->field)] = ToQString(item->value);
                              if (!radio->isChecked()) Note(QStringLiteral("the picked item is not marked"));
                              Note(ProblemInTexts());
                              if (rng_.OneIn(4)) BlockedClick();
                          }
                      });
        action_ += QStringLiteral(", Esc");
    }

    void OpenInfoWindowFromMenu(InfoWindowId id) {
        const SubWindow& info = InfoWindow(id);
        static const QString kItems[] = {QStringLiteral("关于软件"), QStringLiteral("版权声明"),
                                         QStringLiteral("反馈意见")};
        const QString itemText = kItems[static_cast<std::size_t>(id)];
        Count("Help menu window");
        action_ += QStringLiteral("menu 帮助 → %1").arg(itemText);
        QMenuBar* bar = qobject_cast<QMainWindow*>(window_)->menuBar();
        QAction* help = nullptr;
        for (QAction* menu : bar->actions())
            if (menu->text() == QStringLiteral("帮助")) help = menu;
        if (!help) {
            Note(QStringLiteral("no menu 帮助"));
            return;
        }
        PointerClick(bar, bar->actionGeometry(help).center());
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* item = nullptr;
        if (popup)
            for (QAction* a : popup->actions())
                if (a->text() == itemText) item = a;
        if (!popup || !item) {
            Note(QStringLiteral("the menu 帮助 did not open with its item %1").arg(itemText));
            if (popup) popup->close();
            return;
        }
        WithSubWindow(info,
                      [&] {
                          QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                            popup->actionGeometry(item).center());
                      },
                      [&](QDialog*) {
                          if (rng_.OneIn(2)) BlockedClick();
                      });
    }

    // The texts, marks and page against the model.
    QString ProblemInTexts() const {
        if (NotebookOf(window_)->currentIndex() != model_.page)
            return QStringLiteral("page %1 is in front, expected %2").arg(NotebookOf(window_)->currentIndex()).arg(model_.page);
        for (const PageTargets& page : pages_) {
            for (const FieldTarget& field : page.fields) {
                const QString actual = field.combo ? field.combo->currentText() : field.edit->text();
                const QString& expected = model_.fields[field.name];
                if (actual != expected) return Mismatch(QStringLiteral("field ") + field.name, actual, expected);
            }
            for (const EntryTarget& radio : page.radios)
                if (radio.widget->isChecked() != (model_.marked.value(radio.group) == radio.widget))
                    return QStringLiteral("radio %1 in %2 is %3")
                        .arg(radio.widget->objectName(), radio.group, radio.widget->isChecked() ? "marked" : "not marked");
        }
        const QString box = RawBoxText(window_);
        if (box != model_.box) return Mismatch(QStringLiteral("the output box"), box, model_.box);
        const QString clipboard = QGuiApplication::clipboard()->text();
        if (clipboard != model_.clipboard) return Mismatch(QStringLiteral("the clipboard"), clipboard, model_.clipboard);
        return {};
    }

    QString ProblemOutsideModal() const {
        if (!window_->isVisible()) return QStringLiteral("the main window has closed");
        if (QWidget* modal = QApplication::activeModalWidget())
            return QStringLiteral("%1 is still modal although no sub-window is open").arg(modal->windowTitle());
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top == window_ || top->windowType() == Qt::ToolTip) continue;
            if (top->isVisible())
                return QStringLiteral("an extra window is left visible: %1 \"%2\"").arg(top->metaObject()->className(), top->windowTitle());
            if (qobject_cast<QDialog*>(top))
                return QStringLiteral("the closed sub-window \"%1\" still exists").arg(top->windowTitle());
        }
        return ProblemInTexts();
    }

    QWidget* window_;
    Rng rng_;
    std::vector<PageTargets> pages_;
    std::vector<InfoWindowId> infoWindows_;
    Model model_;
    std::deque<std::function<void()>> forced_;
    std::deque<QString> history_;
    QMap<QString, int> tally_;
    QString action_;
    QString problem_;
    bool longTextDue_ = false;
};

// The offscreen platform says at every menu that it cannot raise a window or
// grab the keyboard; thousands of those lines would hide the report.
QtMessageHandler previousHandler = nullptr;
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
    previousHandler(type, context, message);
}

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback, bool* valid) {
    *valid = true;
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) return fallback;
    char* end = nullptr;
    const unsigned long long number = std::strtoull(value.constData(), &end, 0);
    if (*end != '\0') *valid = false;
    return number;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomUserActionsKeepTheOutputRules() {
        bool seedValid = false, countValid = false;
        const std::uint64_t seed = EnvironmentNumber("ZENTARO_MONKEY_SEED", kDefaultSeed, &seedValid);
        const auto actions = static_cast<int>(EnvironmentNumber("ZENTARO_MONKEY_ACTIONS", kDefaultActions, &countValid));
        QVERIFY2(seedValid, "ZENTARO_MONKEY_SEED must be a number");
        QVERIFY2(countValid && actions > 0, "ZENTARO_MONKEY_ACTIONS must be a positive number");
        const QString replay = QStringLiteral("ZENTARO_MONKEY_SEED=%1 ZENTARO_MONKEY_ACTIONS=%2 QT_QPA_PLATFORM=offscreen %3")
                                   .arg(seed)
                                   .arg(actions)
                                   .arg(QCoreApplication::applicationFilePath());
        std::printf("monkey: seed %llu, %d actions; to replay: %s\n", static_cast<unsigned long long>(seed), actions,
                    qPrintable(replay));
        std::fflush(stdout);

        previousHandler = qInstallMessageHandler(QuietOffscreenNotices);
        QGuiApplication::clipboard()->setText(QStringLiteral("held before the run"));
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QTest::qWaitForWindowActive(&window));

        Monkey monkey(&window, seed);
        const QString missing = monkey.MissingWidget();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no widget for ") + missing));
        for (int i = 1; i <= actions; ++i) {
            const QString problem = monkey.Step(i);
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1\nafter the actions:\n%2\nreplay with: %3")
                                     .arg(problem, monkey.History(), replay)));
        }
        std::printf("monkey: all %d actions kept the rules:\n%s\n", actions, qPrintable(monkey.Tally()));
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
