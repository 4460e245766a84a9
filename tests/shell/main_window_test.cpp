// The main window as a user drives it: real mouse and key events on the
// widgets built from the catalogue, found by their control names.
#include "shell_test_support.h"

#include "group_frame.h"
#include "maker.h"
#include "windows.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace zentaro;
using namespace zentaro::testing;

namespace {

// Every control of every page, with the group it stands in.
template <typename Visit>
void ForEachControl(Visit visit) {
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls) visit(group, control);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void frameTitleAndPlace() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora传媒--Zentaro--Powered By www.velmora.example"));
        QCOMPARE(window_->frameGeometry().size(), QSize(668, 633));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window_->frameGeometry().topLeft(),
                 QPoint((screen.width() - 668) / 2, (screen.height() - 633) / 2));
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    void menuBarHasThreeMenusAndEightPlainItems() {
        const QList<QAction*> menus = window_->menuBar()->actions();
        QStringList seen;
        for (QAction* menu : menus) {
            for (QAction* item : menu->menu()->actions()) {
                seen << menu->text() + "/" + item->text();
                QVERIFY(item->isEnabled());
                QVERIFY(item->isVisible());
                QVERIFY(!item->isCheckable());
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(seen, QStringList({"官方论坛/一起交流", "Velmora任务/上传赚钱", "Velmora任务/我要仿站",
                                    "Velmora任务/我要接单", "帮助/关于软件", "帮助/版权声明", "帮助/广告赞助",
                                    "帮助/反馈意见"}));
    }

    void clickingTheBannerDoesNothing() {
        ClickControl(window_.get(), "导航结束标签");
        QWidget* banner = Find(window_.get(), "分组框9")->findChild<QWidget*>(QStringLiteral("图片框1"));
        QVERIFY(banner);
        ShowPageOf(window_.get(), banner);
        QVERIFY(banner->isVisible());
        PointerClick(banner, banner->rect().center());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(BoxText(window_.get()), std::string("{/dede:channel}"));
    }

    void menuItemsWithoutCommandDoNothing() {
        ClickControl(window_.get(), "导航结束标签");
        for (QAction* menu : window_->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (QStringList({"一起交流", "上传赚钱", "我要仿站", "我要接单", "广告赞助"}).contains(item->text()))
                    item->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(BoxText(window_.get()), std::string("{/dede:channel}"));
    }

    void outputPanelLayout() {
        struct Expected {
            const char* name;
            QRect rect;
        };
        const Expected controls[] = {
            {"分组框2", {8, 6, 648, 104}},  {"标签1", {40, 40, 80, 24}},     {"编辑框1", {104, 9, 376, 88}},
            {"按钮1", {517, 14, 112, 34}},  {"标签复位", {516, 59, 112, 34}}, {"分组框3", {11, 112, 653, 568}},
            {"选择夹1", {1, 11, 679, 461}},
        };
        for (const Expected& c : controls) {
            QWidget* widget = Find(window_.get(), c.name);
            QVERIFY2(widget, c.name);
            QCOMPARE(widget->geometry(), c.rect);
        }
        QCOMPARE(Find<QLabel>(window_.get(), "标签1")->text(), QStringLiteral("显示标签"));
        QCOMPARE(Find<QLabel>(window_.get(), "标签1")->buddy(), BoxOf(window_.get()));
        QVERIFY(BoxOf(window_.get())->toPlainText().isEmpty());
        QCOMPARE(Find(window_.get(), "按钮1")->accessibleName(), QStringLiteral("标签复制"));
        QCOMPARE(Find(window_.get(), "按钮1")->toolTip(), QStringLiteral("标签复制"));
        QCOMPARE(Find(window_.get(), "标签复位")->accessibleName(), QStringLiteral("标签复位"));
        QCOMPARE(Find(window_.get(), "标签复位")->toolTip(), QStringLiteral("标签复位"));
    }

    void notebookShowsSixPagesWithTheFirstInFront() {
        QTabWidget* notebook = NotebookOf(window_.get());
        QStringList captions;
        for (int i = 0; i < notebook->count(); ++i) captions << notebook->tabText(i);
        QCOMPARE(captions, QStringList({"首页标签", "列表页标签", "内容页标签", "系统标签", "搜索页标签", "幻灯片在线"}));
        QCOMPARE(notebook->currentIndex(), 0);
    }

    // Group rectangles count from the notebook's corner, tab strip included.
    void groupFramesStandWhereTheCatalogueSays() {
        QTabWidget* notebook = NotebookOf(window_.get());
        for (const CataloguePage* page : Catalogue().pages) {
            notebook->setCurrentIndex(page->index);
            for (const TagGroup& group : page->groups) {
                auto* frame = Find<QGroupBox>(window_.get(), group.name);
                QVERIFY2(frame, group.name.data());
                QCOMPARE(frame->title(), ToQString(group.caption));
                QCOMPARE(QRect(frame->mapTo(notebook, QPoint(0, 0)), frame->size()),
                         QRect(group.rect.left, group.rect.top, group.rect.width, group.rect.height));
                QVERIFY(frame->isVisible());
            }
        }
        QCOMPARE(Find<QGroupBox>(window_.get(), "分组框4")->mapTo(notebook, QPoint(0, 0)), QPoint(3, 168));
    }

    void everyControlIsBuiltWithItsKindPlaceAndName() {
        ForEachControl([&](const TagGroup& group, const GroupControl& control) {
            QWidget* widget = Find(window_.get(), ControlName(control));
            QVERIFY2(widget, ControlName(control).data());
            QCOMPARE(widget->parentWidget()->objectName(), ToQString(group.name));
            const Rect r = ControlRect(control);
            QCOMPARE(widget->geometry(), QRect(r.left, r.top, r.width, r.height));
            QVERIFY(widget->isEnabled());
            std::visit(
                [&](const auto& c) {
                    using Kind = std::decay_t<decltype(c)>;
                    if constexpr (std::is_same_v<Kind, TagEntry> || std::is_same_v<Kind, InertRadio>) {
                        QCOMPARE(qobject_cast<QRadioButton*>(widget)->text(), ToQString(c.caption));
                        QVERIFY(!qobject_cast<QRadioButton*>(widget)->isChecked());
                    } else if constexpr (std::is_same_v<Kind, ParamField>) {
                        QVERIFY(qobject_cast<QLineEdit*>(widget)->text().isEmpty());
                    } else if constexpr (std::is_same_v<Kind, Label>) {
                        auto* label = qobject_cast<QLabel*>(widget);
                        QCOMPARE(label->text(), ToQString(c.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                        if (!c.buddy.empty()) QCOMPARE(label->buddy()->objectName(), ToQString(c.buddy));
                    } else if constexpr (std::is_same_v<Kind, TagComposer>) {
                        auto* button = qobject_cast<QPushButton*>(widget);
                        if (c.face.empty()) {
                            QCOMPARE(button->text(), ToQString(c.caption));
                        } else {
                            QVERIFY(button->text().isEmpty());
                            QVERIFY(!button->icon().isNull());
                            QCOMPARE(button->accessibleName(), ToQString(c.caption));
                        }
                    } else if constexpr (std::is_same_v<Kind, PickerLink> || std::is_same_v<Kind, DemoLink>) {
                        QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), ToQString(c.caption));
                    } else if constexpr (std::is_same_v<Kind, ChoiceField>) {
                        QCOMPARE(qobject_cast<QComboBox*>(widget)->currentText(), ToQString(c.items.front()));
                    }
                },
                control);
        });
    }

    void entryClickWritesItsText_data() {
        QTest::addColumn<QString>("entry");
        ForEachControl([](const TagGroup& group, const GroupControl& control) {
            if (std::holds_alternative<TagEntry>(control)) {
                const QString name = ToQString(ControlName(control));
                QTest::newRow(qPrintable(ToQString(group.name) + "/" + name)) << name;
            }
        });
    }
    void entryClickWritesItsText() {
        QFETCH(QString, entry);
        BoxOf(window_.get())->setPlainText("typed by hand");
        ClickControl(window_.get(), ToUtf8(entry));
        QCOMPARE(BoxText(window_.get()), std::string(std::get<TagEntry>(*FindControl(ToUtf8(entry))).text));
        QVERIFY(Find<QRadioButton>(window_.get(), ToUtf8(entry))->isChecked());
    }

    void composerClickJoinsItsFields_data() {
        QTest::addColumn<QString>("composer");
        ForEachControl([](const TagGroup&, const GroupControl& control) {
            if (std::holds_alternative<TagComposer>(control))
                QTest::newRow(ControlName(control).data()) << ToQString(ControlName(control));
        });
    }
    void composerClickJoinsItsFields() {
        QFETCH(QString, composer);
        const TagComposer& data = std::get<TagComposer>(*FindControl(ToUtf8(composer)));
        // Every field of the window gets its own text, so that reading a wrong field shows.
        MapFields expected;
        int n = 0;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            if (!field->objectName().isEmpty() && field->parentWidget()->inherits("QGroupBox")) {
                const std::string text = " 'v" + std::to_string(++n) + "\" ";
                field->setText(ToQString(text));
                expected.texts[ToUtf8(field->objectName())] = text;
            }
        }
        for (QComboBox* combo : window_->findChildren<QComboBox*>())
            expected.texts[ToUtf8(combo->objectName())] = ToUtf8(combo->currentText());
        ClickControl(window_.get(), ToUtf8(composer));
        QCOMPARE(BoxText(window_.get()), ComposeText(data.recipe, expected));
        for (const auto& [name, text] : expected.texts)  // the fields are left as they were
            QCOMPARE(ToUtf8(Find<QLineEdit>(window_.get(), name) ? Find<QLineEdit>(window_.get(), name)->text()
                                                                 : Find<QComboBox>(window_.get(), name)->currentText()),
                     text);
    }

    void typicalUse() {
        WithModal(window_.get(), "排序方式_属性值", [](QWidget* picker) {
            for (QRadioButton* item : picker->findChildren<QRadioButton*>())
                if (item->text() == QStringLiteral("按点击数排列 click")) ClickRadio(item);
        });
        QCOMPARE(Find<QLineEdit>(window_.get(), "排序方式_编辑框2")->text(), QStringLiteral("click"));
        ClickControl(window_.get(), "排序方式_按钮");
        QCOMPARE(BoxText(window_.get()), std::string("  orderby =' click  '"));
        ClickControl(window_.get(), "文章开始标签");
        ClickControl(window_.get(), "按钮1");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("{dede:arclist                     }"));
    }

    // The keyboard clicks too: Space on a focused radio or button, arrows within a group.
    void keyboardWorksLikeTheMouse() {
        auto* entry = Find<QRadioButton>(window_.get(), "栏目ID");
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Space);
        QCOMPARE(BoxText(window_.get()), std::string("[field:id/]"));
        QTest::keyClick(entry, Qt::Key_Right);
        QCOMPARE(BoxText(window_.get()), std::string(R"( currentstyle="<li><a href='~typelink~' class='thisclass'>~typename~</a> </li>")"));

        auto* field = Find<QLineEdit>(window_.get(), "编辑框3");
        field->setFocus();
        QTest::keyClicks(field, "7");
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("栏目ID_按钮"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(BoxText(window_.get()), std::string("  typeid ='7 '"));
    }

    void secondClickOnMarkedEntryRestoresHandEdit() {
        ClickControl(window_.get(), "栏目名称");
        QPlainTextEdit* box = BoxOf(window_.get());
        box->setFocus();
        QTest::keyClicks(box, "xyz");
        QVERIFY(BoxText(window_.get()) != "[field:typename/]");
        ClickControl(window_.get(), "栏目名称");
        QCOMPARE(BoxText(window_.get()), std::string("[field:typename/]"));
    }

    void marksExcludeEachOtherWithinTheirGroupOnly() {
        ClickControl(window_.get(), "栏目名称");
        ClickControl(window_.get(), "单选框3");
        ClickControl(window_.get(), "栏目链接");
        QVERIFY(!Find<QRadioButton>(window_.get(), "栏目名称")->isChecked());
        QVERIFY(Find<QRadioButton>(window_.get(), "栏目链接")->isChecked());
        QVERIFY(Find<QRadioButton>(window_.get(), "单选框3")->isChecked());
    }

    void copyPutsTheHandEditedTextWithCrLf() {
        QGuiApplication::clipboard()->setText("held before");
        ClickControl(window_.get(), "导航结束标签");
        QPlainTextEdit* box = BoxOf(window_.get());
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "end");
        ClickControl(window_.get(), "按钮1");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("{/dede:channel}\r\nend"));
        QCOMPARE(box->toPlainText(), QStringLiteral("{/dede:channel}\nend"));  // the box itself is unchanged
    }

    void clearThenCopyLeavesAnEmptyClipboard() {
        QGuiApplication::clipboard()->setText("held before");
        ClickControl(window_.get(), "文章结束标签");
        ClickControl(window_.get(), "标签复位");
        QVERIFY(BoxOf(window_.get())->toPlainText().isEmpty());
        ClickControl(window_.get(), "按钮1");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void clearLeavesFieldsAlone() {
        Find<QLineEdit>(window_.get(), "编辑框2")->setText("10");
        ClickControl(window_.get(), "导航个数_按钮");
        ClickControl(window_.get(), "标签复位");
        QCOMPARE(Find<QLineEdit>(window_.get(), "编辑框2")->text(), QStringLiteral("10"));
    }

    void switchingPagesKeepsEveryText() {
        Find<QLineEdit>(window_.get(), "编辑框2")->setText("kept");
        ClickControl(window_.get(), "导航开始标签");
        QTabWidget* notebook = NotebookOf(window_.get());
        for (int i = notebook->count() - 1; i >= 0; --i) notebook->setCurrentIndex(i);
        QCOMPARE(Find<QLineEdit>(window_.get(), "编辑框2")->text(), QStringLiteral("kept"));
        QCOMPARE(BoxText(window_.get()), std::string("{dede:channel                      }"));
    }

    void hostileFieldTextsAreJoinedExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("1 MiB") << QString(1 << 20, u'x');
        QTest::newRow("NUL") << QString::fromUtf16(u"a\u0000b", 3);
        QTest::newRow("right-to-left") << QString::fromUtf8("\u200F\u202Eabc\u202C");
        QTest::newRow("emoji") << QString::fromUtf8("😀👨‍👩‍👧");
        QTest::newRow("punctuation") << QStringLiteral("' \" < > { } | [ ] ～！＠＃　中文");
    }
    void hostileFieldTextsAreJoinedExactly() {
        QFETCH(QString, text);
        Find<QLineEdit>(window_.get(), "增加字段_编辑框")->setText(text);
        ClickControl(window_.get(), "增加字段_按钮");
        QCOMPARE(BoxOf(window_.get())->document()->toRawText(), QStringLiteral("  addfields='") + text + " '");
    }

    void loneSurrogateIsJoinedWithoutACrash() {
        const QChar lone[] = {QChar(0xD800), QChar(u'x')};
        Find<QLineEdit>(window_.get(), "增加字段_编辑框")->setText(QString(lone, 2));
        ClickControl(window_.get(), "增加字段_按钮");
        const QString box = BoxOf(window_.get())->toPlainText();
        QVERIFY(box.startsWith(QStringLiteral("  addfields='")));
        QVERIFY(box.endsWith(QStringLiteral("x '")));
    }

    void escapeClosesTheWindowAndEndsTheProgram_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("output box") << QStringLiteral("编辑框1");
        QTest::newRow("field") << QStringLiteral("编辑框2");
        QTest::newRow("copy button") << QStringLiteral("按钮1");
    }
    void escapeClosesTheWindowAndEndsTheProgram() {
        QFETCH(QString, focus);
        QWidget* widget = Find(window_.get(), ToUtf8(focus));
        widget->setFocus();
        // Run the program's event loop: Esc must end it, before the safety stop.
        bool stoppedBySafety = false;
        QTimer::singleShot(0, widget, [widget] { QTest::keyClick(widget, Qt::Key_Escape); });
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, qApp, [&] {
            stoppedBySafety = true;
            QCoreApplication::quit();
        });
        safety.start(10000);
        QCoreApplication::exec();
        QVERIFY(!stoppedBySafety);
        QVERIFY(!window_->isVisible());
    }

    void modalWindowBlocksTheMainWindowAndWritesAtOnce() {
        ClickControl(window_.get(), "栏目链接");
        QString title;
        bool blocked = false;
        QString fieldWhileOpen;
        std::string boxAfterBlockedClick;
        WithModal(window_.get(), "导航类型_属性值", [&](QWidget* picker) {
            title = picker->windowTitle();
            // A real click on a main-window entry must not get through.
            ClickControl(window_.get(), "导航结束标签");
            boxAfterBlockedClick = BoxText(window_.get());
            blocked = QApplication::activeModalWidget() == picker;
            for (QRadioButton* item : picker->findChildren<QRadioButton*>())
                if (item->text() == QStringLiteral("下级栏目Son")) ClickRadio(item);
            fieldWhileOpen = Find<QLineEdit>(window_.get(), "编辑框4")->text();
        });
        QCOMPARE(title, QStringLiteral("导航属性选择"));
        QVERIFY(blocked);
        QCOMPARE(boxAfterBlockedClick, std::string("[field:typelink/]"));
        QCOMPARE(fieldWhileOpen, QStringLiteral("son"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(BoxText(window_.get()), std::string("[field:typelink/]"));
        ClickControl(window_.get(), "导航类型_按钮");
        QCOMPARE(BoxText(window_.get()), std::string("  type ='son '"));
    }

    // The frame keeps its drawing between repaints; after any change of what
    // it shows it must look exactly as a frame that was made that way.
    void groupFrameRedrawsAfterEveryChange() {
        const std::function<void(QGroupBox*)> changes[] = {
            [](QGroupBox* box) { box->setTitle(QStringLiteral("列表页标签 (longer)")); },
            [](QGroupBox* box) { box->resize(180, 90); },
            [](QGroupBox* box) { box->setEnabled(false); },
            [](QGroupBox* box) {
                QPalette palette = box->palette();
                palette.setColor(QPalette::WindowText, Qt::darkRed);
                box->setPalette(palette);
            },
        };
        QWidget stage;
        stage.resize(420, 120);
        auto* kept = new GroupFrame(QStringLiteral("首页标签"), &stage);
        kept->setGeometry(0, 0, 200, 100);
        stage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage));
        QImage previous = kept->grab().toImage();
        for (std::size_t step = 0; step < std::size(changes); ++step) {
            changes[step](kept);
            GroupFrame made(QStringLiteral("首页标签"), &stage);
            made.setGeometry(210, 0, 200, 100);
            for (std::size_t i = 0; i <= step; ++i) changes[i](&made);
            made.show();
            const QImage now = kept->grab().toImage();
            QCOMPARE(now, made.grab().toImage());
            QVERIFY(now != previous);
            previous = now;
        }
    }

    void boxShowsEachWrittenTextAfresh() {
        QPlainTextEdit* box = BoxOf(window_.get());
        const auto shown = [&] {
            QCoreApplication::processEvents();
            return box->viewport()->grab().toImage();
        };
        ClickControl(window_.get(), "栏目链接");
        const QImage first = shown();
        ShowPageOf(window_.get(), Find<QWidget>(window_.get(), "按钮7"));
        ClickControl(window_.get(), "按钮7");  // a longer text of two paragraphs
        const QImage slideshow = shown();
        QVERIFY(slideshow != first);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        ShowPageOf(window_.get(), Find<QWidget>(window_.get(), "栏目链接"));
        ClickControl(window_.get(), "栏目链接");
        QCOMPARE(shown(), first);
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    }

    // Whatever state the user left the box in, the first paint after a write
    // shows the new text from its top, with the cursor before it, and a
    // scroll range that fits the new text: the same as a plain text edit of
    // the same make given that text.
    void boxIsReadyForItsFirstPaintAfterAWrite_data() {
        QTest::addColumn<QString>("before");  // what the user did to the box
        QTest::addColumn<QString>("control");
        const char* lines = "导航开始标签";   // one line
        const char* paragraphs = "按钮7";     // two paragraphs, more lines than the box shows
        for (const char* control : {lines, paragraphs}) {
            const QString what = control == lines ? QStringLiteral("one line") : QStringLiteral("two paragraphs");
            for (const char* before : {"nothing", "cursor inside", "typed at the end", "all selected", "scrolled down"})
                QTest::newRow(qPrintable(QStringLiteral("%1, then %2").arg(QString::fromLatin1(before), what)))
                    << QString::fromLatin1(before) << QString::fromUtf8(control);
        }
    }
    void boxIsReadyForItsFirstPaintAfterAWrite() {
        QFETCH(QString, before);
        QFETCH(QString, control);
        QPlainTextEdit* box = BoxOf(window_.get());
        ShowPageOf(window_.get(), Find<QWidget>(window_.get(), "按钮7"));
        ClickControl(window_.get(), "按钮7");
        QCoreApplication::processEvents();
        if (before == "cursor inside") {
            QTextCursor cursor = box->textCursor();
            cursor.setPosition(40);
            box->setTextCursor(cursor);
        } else if (before == "typed at the end") {
            box->setFocus();
            box->moveCursor(QTextCursor::End);
            QTest::keyClicks(box, "abc");
        } else if (before == "all selected") {
            box->selectAll();
        } else if (before == "scrolled down") {
            box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
            QVERIFY(box->verticalScrollBar()->value() > 0);
        }
        QCoreApplication::processEvents();

        ShowPageOf(window_.get(), Find<QWidget>(window_.get(), qPrintable(control)));
        QCoreApplication::processEvents();  // paints what the page switch asked for
        struct AtPaint {
            bool painted = false;
            int maximum = -1, value = -1, position = -1;
            bool selection = true;
        } seen;
        bool written = false;  // paints before the write (of what was dirty before) do not count
        QObject context;
        connect(box->document(), &QTextDocument::contentsChange, &context, [&] { written = true; });
        PaintWatch watch(box->viewport(), [&] {
            if (!written || seen.painted) return;
            seen = {true, box->verticalScrollBar()->maximum(), box->verticalScrollBar()->value(),
                    box->textCursor().position(), box->textCursor().hasSelection()};
        });
        ClickControl(window_.get(), qPrintable(control));
        QTRY_VERIFY_WITH_TIMEOUT(seen.painted, 3000);
        const QImage shown = box->viewport()->grab().toImage();

        QPlainTextEdit same;
        same.setFont(box->font());
        same.setPalette(box->palette());
        same.setFrameStyle(box->frameStyle());
        same.setLineWrapMode(box->lineWrapMode());
        same.setWordWrapMode(box->wordWrapMode());
        same.setVerticalScrollBarPolicy(box->verticalScrollBarPolicy());
        same.setHorizontalScrollBarPolicy(box->horizontalScrollBarPolicy());
        same.resize(box->size());
        same.document()->setDocumentMargin(box->document()->documentMargin());
        same.setPlainText(box->toPlainText());
        same.show();
        QVERIFY(QTest::qWaitForWindowExposed(&same));

        QCOMPARE(box->toPlainText(), same.toPlainText());
        QCOMPARE(seen.maximum, same.verticalScrollBar()->maximum());
        QCOMPARE(seen.value, 0);
        QCOMPARE(seen.position, 0);
        QVERIFY(!seen.selection);
        QCOMPARE(shown, same.viewport()->grab().toImage());
        QVERIFY(!box->document()->isUndoAvailable());  // a write is not the user's to undo
        QTest::keyClicks(box, "z");
        QVERIFY(box->document()->isUndoAvailable());  // the user's own typing is
    }

    // A button's release is handled before the button is drawn released; it
    // must still end up drawn released on screen after any kind of release,
    // also behind a picker that its click opened.
    void buttonsEndUpDrawnReleasedOnScreen_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("release");
        QTest::addColumn<bool>("writes");  // whether the release writes the box
        QTest::newRow("composer clicked") << "导航个数_按钮" << "click" << true;
        QTest::newRow("entry clicked") << "导航结束标签" << "click" << true;
        QTest::newRow("composer pressed, released outside it") << "导航个数_按钮" << "outside" << false;
        QTest::newRow("composer, space key") << "导航个数_按钮" << "space" << true;
        QTest::newRow("clear button clicked") << "标签复位" << "click" << true;
        QTest::newRow("picker opener clicked") << "导航类型_属性值" << "picker" << false;
    }
    void buttonsEndUpDrawnReleasedOnScreen() {
        QFETCH(QString, control);
        QFETCH(QString, release);
        QFETCH(bool, writes);
        auto* button = Find<QAbstractButton>(window_.get(), qPrintable(control));
        QVERIFY(button);
        ClickControl(window_.get(), "栏目链接");
        QCoreApplication::processEvents();
        const std::string before = BoxText(window_.get());
        // What the window shows where the button is, against the window's
        // part there drawn afresh in the present state.
        const auto drawnAsItIs = [&] {
            const QPoint at = button->mapTo(window_.get(), QPoint(0, 0));
            const QImage onScreen = window_->screen()
                                        ->grabWindow(window_->winId(), at.x(), at.y(), button->width(), button->height())
                                        .toImage()
                                        .convertToFormat(QImage::Format_RGB32);
            const QImage afresh = window_->grab(QRect(at, button->size())).toImage().convertToFormat(QImage::Format_RGB32);
            return onScreen == afresh;
        };

        bool openerDrawnReleased = false, openerUpdates = false;
        if (release == "click") {
            ClickControl(window_.get(), qPrintable(control));
        } else if (release == "outside") {
            QWidget* window = window_.get();
            QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              button->mapTo(window, button->rect().center()));
            QVERIFY(button->isDown());
            // Straight to the button, as when the pointer left without motion
            // reports: through the window, a move out would come first.
            const QPoint outside = button->rect().bottomRight() + QPoint(30, 30);
            QMouseEvent up(QEvent::MouseButtonRelease, outside, button->mapToGlobal(outside), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &up);
        } else if (release == "space") {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        } else if (release == "picker") {
            WithModal(window_.get(), qPrintable(control), [&](QWidget*) {
                // The repaint is scheduled before the picker opens; give it a
                // few frames to come through the picker's event loop.
                for (int frame = 0; frame < 50 && !openerDrawnReleased; ++frame) {
                    QTest::qWait(10);
                    openerDrawnReleased = !button->isDown() && drawnAsItIs();
                }
                openerUpdates = button->updatesEnabled();
            });
            QVERIFY(openerUpdates);
            QVERIFY(openerDrawnReleased);
        }
        QCoreApplication::processEvents();
        QVERIFY(!button->isDown());
        QVERIFY(button->updatesEnabled());
        QVERIFY(drawnAsItIs());
        QCOMPARE(BoxText(window_.get()) != before, writes);
    }

private:
    // Runs `atPaint` whenever `widget` is about to paint.
    class PaintWatch : public QObject {
    public:
        PaintWatch(QWidget* widget, std::function<void()> atPaint) : atPaint_(std::move(atPaint)) {
            widget->installEventFilter(this);
        }
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) atPaint_();
            return false;
        }

    private:
        std::function<void()> atPaint_;
    };

    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
