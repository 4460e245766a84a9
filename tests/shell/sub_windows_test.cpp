// The small windows: pickers, sample pictures and the Help windows, opened the
// way a user opens them, and the embedded pictures and theme they rely on.
#include "shell_test_support.h"

#include "pictures.h"
#include "theme.h"
#include "window_frame.h"
#include "windows.h"

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStyle>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

using namespace zentaro;
using namespace zentaro::testing;

namespace {

std::string_view LinkFor(PickerId id) {
    for (const CataloguePage* page : Catalogue().pages)
        for (const TagGroup& group : page->groups)
            for (const GroupControl& control : group.controls)
                if (const auto* link = std::get_if<PickerLink>(&control); link && link->picker == id) return link->name;
    return {};
}

// Every text a user can change in the main window, by control name.
std::map<QString, QString> MainWindowTexts(const QWidget* window) {
    std::map<QString, QString> texts;
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (!field->objectName().isEmpty()) texts[field->objectName()] = field->text();
    texts[QStringLiteral("编辑框1")] = BoxOf(window)->toPlainText();
    return texts;
}

QAction* MenuItem(const QMainWindow* window, const QString& text) {
    for (QAction* menu : window->menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            if (item->text() == text) return item;
    return nullptr;
}

struct ModalRecord {
    QString title;
    QSize outer;
    QPoint position;
    QList<QLabel*> labels;
    QStringList labelTexts;
    QStringList labelLooks;  // colour and font pixel height of each label
    QSize pictureSize;
    QImage shown;
    bool modal = false;
};

ModalRecord Record(QWidget* modal) {
    ModalRecord r;
    r.title = modal->windowTitle();
    r.outer = modal->frameGeometry().size();
    r.position = modal->frameGeometry().topLeft();
    r.modal = QApplication::activeModalWidget() == modal;
    for (QLabel* label : modal->findChildren<QLabel*>()) {
        r.labelTexts << label->objectName() + "=" + label->text();
        label->ensurePolished();
        r.labelLooks << label->palette().color(QPalette::WindowText).name() + " " +
                            QString::number(QFontInfo(label->font()).pixelSize()) + "px " +
                            (label->wordWrap() ? "wrap" : "nowrap");
    }
    if (auto* box = modal->findChild<PictureView*>(QStringLiteral("图片框1"))) {
        r.pictureSize = box->picture().size();
        r.shown = box->grab().toImage();
    }
    return r;
}

}  // namespace

class SubWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void pickerWritesOnlyItsField_data() {
        QTest::addColumn<int>("picker");
        for (PickerId id : AllPickers()) QTest::newRow(Picker(id).title.data()) << static_cast<int>(id);
    }
    void pickerWritesOnlyItsField() {
        QFETCH(int, picker);
        const PickerId id = static_cast<PickerId>(picker);
        const PickerWindow& data = Picker(id);
        ClickControl(window_.get(), "导航开始标签");
        const auto before = MainWindowTexts(window_.get());

        ModalRecord record;
        bool anyMarkedAtOpening = false;
        QStringList captions;
        std::vector<std::map<QString, QString>> afterEachPick;
        bool stillOpenAfterPicks = false;
        WithModal(window_.get(), LinkFor(id), [&](QWidget* modal) {
            record = Record(modal);
            const auto items = modal->findChildren<QRadioButton*>();
            for (QRadioButton* item : items) {
                anyMarkedAtOpening = anyMarkedAtOpening || item->isChecked();
                captions << item->text();
            }
            for (QRadioButton* item : items) {
                ClickRadio(item);
                afterEachPick.push_back(MainWindowTexts(window_.get()));
            }
            stillOpenAfterPicks = QApplication::activeModalWidget() == modal;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(record.title, ToQString(data.title));
        QCOMPARE(record.outer, QSize(data.outer.width, data.outer.height));
        QCOMPARE(record.position, CentredPosition(record.outer));
        QVERIFY(record.modal);
        QVERIFY(!anyMarkedAtOpening);
        QVERIFY(stillOpenAfterPicks);

        std::vector<const PickerItem*> items;
        for (const WindowControl& control : data.controls)
            if (const auto* item = std::get_if<PickerItem>(&control)) items.push_back(item);
        QCOMPARE(afterEachPick.size(), items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            QCOMPARE(captions[static_cast<qsizetype>(i)], ToQString(items[i]->caption));
            auto expected = before;  // the target field only, the box untouched
            expected[ToQString(items[i]->field)] = ToQString(items[i]->value);
            QCOMPARE(afterEachPick[i], expected);
        }
        QCOMPARE(MainWindowTexts(window_.get()), afterEachPick.back());  // closing writes nothing
    }

    void pickReplacesTypedTextAndReopeningShowsNoMark() {
        auto* field = Find<QLineEdit>(window_.get(), "自定属性_编辑框");
        field->setText("typed hc");
        WithModal(window_.get(), "自定属性_属性值", [&](QWidget* modal) {
            for (QRadioButton* item : modal->findChildren<QRadioButton*>())
                if (item->text() == QStringLiteral("头条 h") || item->text() == QStringLiteral("推荐 c")) ClickRadio(item);
        });
        QCOMPARE(field->text(), QStringLiteral("c"));
        bool anyMarked = true;
        WithModal(window_.get(), "自定属性_属性值", [&](QWidget* modal) {
            anyMarked = false;
            for (QRadioButton* item : modal->findChildren<QRadioButton*>()) anyMarked = anyMarked || item->isChecked();
        });
        QVERIFY(!anyMarked);
        ClickControl(window_.get(), "自定属性_按钮");
        QCOMPARE(BoxText(window_.get()), std::string("  flag='c '"));
    }

    void escapeInAPickerWritesNothing() {
        const auto before = MainWindowTexts(window_.get());
        WithModal(window_.get(), "说明_按钮", [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(MainWindowTexts(window_.get()), before);
    }

    void pagerPickerExplainsItsRule() {
        ModalRecord record;
        WithModal(window_.get(), "说明_按钮", [&](QWidget* modal) { record = Record(modal); });
        QCOMPARE(record.labelTexts, QStringList({"标签1=依次后推，输入得到*2+1个页码"}));
    }

    void demoWindowShowsItsPicture_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("home list") << "效果演示" << "文章列表标签显示效果" << QSize(368, 289) << QSize(365, 267);
        QTest::newRow("article page") << "按钮3" << "文章列表页效果" << QSize(664, 142) << QSize(654, 117);
        QTest::newRow("software page") << "按钮4" << "软件列表页效果" << QSize(615, 134) << QSize(633, 102);
        QTest::newRow("pager") << "标题长度_效果演示" << "页码演示效果" << QSize(470, 73) << QSize(463, 48);
        QTest::newRow("search pager") << "搜索页_效果演示" << "搜索页页码演示" << QSize(672, 168) << QSize(672, 138);
    }
    void demoWindowShowsItsPicture() {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QSize, outer);
        QFETCH(QSize, picture);
        ClickControl(window_.get(), "单选框4");
        const std::string boxBefore = BoxText(window_.get());

        ModalRecord first;
        WithModal(window_.get(), ToUtf8(button), [&](QWidget* modal) {
            first = Record(modal);
            modal->move(modal->pos() + QPoint(40, 30));  // moved away before closing
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        ModalRecord second;
        WithModal(window_.get(), ToUtf8(button), [&](QWidget* modal) { second = Record(modal); });

        QCOMPARE(first.title, title);
        QCOMPARE(first.outer, outer);
        QVERIFY(first.modal);
        QCOMPARE(first.pictureSize, picture);
        QCOMPARE(second.position, CentredPosition(outer));  // centred again, wherever it was left
        QCOMPARE(BoxText(window_.get()), boxBefore);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Unscaled from the top-left corner; where the picture ends, the button face shows.
    void pictureBoxDrawsUnscaledOnTheButtonFace() {
        ModalRecord record;
        WithModal(window_.get(), "搜索页_效果演示", [&](QWidget* modal) { record = Record(modal); });
        const QImage picture = LoadPicture("demo_search_pager.png").toImage();
        QCOMPARE(record.shown.size(), QSize(680, 168));
        const QColor face = QApplication::palette().color(QPalette::Button);
        for (QPoint p : {QPoint(0, 0), QPoint(100, 20), QPoint(671, 137)})
            QCOMPARE(record.shown.pixelColor(p), picture.pixelColor(p));
        for (QPoint p : {QPoint(10, 150), QPoint(676, 10), QPoint(679, 167)})
            QCOMPARE(record.shown.pixelColor(p), face);
    }

    void helpWindowsCarryTheirTexts_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("look");
        QTest::newRow("about") << "关于软件" << "关于Zentaro" << QSize(395, 243)
                               << QStringList({"标签1=   关于Zentaro是由Velmora传媒在线工作室官方独家出品的一款免费的仿站必备工具。\n"
                                               "    \n"
                                               "   欢迎大家下载和传播，让更多人感受到方便是我们的宗旨。\n"
                                               "\n"
                                               "   更多的视频教程与免费工具就在Velmora传媒，请登录我们的官方网站进行查看"
                                               "www.velmora.example"})
                               << "#ff0000 14px wrap";
        QTest::newRow("feedback") << "反馈意见" << "意见反馈" << QSize(421, 162)
                                  << QStringList({"标签1=\n\n     如果你有更多方法和建议，欢迎登陆官方论坛和我们进行联系！"
                                                  "也可以添加作者QQ：10000000，直接告诉我们，我们会吸取你们宝贵的建议来完善这个软件。"})
                                  << "#000000 16px wrap";
        QTest::newRow("notice") << "版权声明" << "版权声明" << QSize(446, 314) << QStringList() << "#000000 12px wrap";
    }
    void helpWindowsCarryTheirTexts() {
        QFETCH(QString, item);
        QFETCH(QString, title);
        QFETCH(QSize, outer);
        QFETCH(QStringList, labels);
        QFETCH(QString, look);
        const std::string boxBefore = BoxText(window_.get());
        QAction* action = MenuItem(window_.get(), item);
        QVERIFY(action);
        ModalRecord record;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                record = Record(modal);
                modal->move(modal->pos() - QPoint(25, 35));  // moved away before closing
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        action->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QPoint reopenedAt;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                reopenedAt = modal->frameGeometry().topLeft();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        action->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(reopenedAt, CentredPosition(outer));
        QCOMPARE(record.title, title);
        QCOMPARE(record.outer, outer);
        QCOMPARE(record.position, CentredPosition(outer));
        QVERIFY(record.modal);
        QCOMPARE(record.labelLooks, QStringList({look}));
        if (!labels.isEmpty()) QCOMPARE(record.labelTexts, labels);
        else QVERIFY(record.labelTexts.join("").contains("DedeCMS"));  // the notice names the trademark
        QCOMPARE(BoxText(window_.get()), boxBefore);
    }

    void embeddedPicturesHaveTheirSizes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("copy") << "copy_button.png" << QSize(105, 30);
        QTest::newRow("clear") << "clear_button.png" << QSize(105, 30);
        QTest::newRow("flash") << "flash_button.png" << QSize(105, 30);
        QTest::newRow("article list") << "demo_article_list.png" << QSize(365, 267);
        QTest::newRow("article page") << "demo_article_page.png" << QSize(654, 117);
        QTest::newRow("software page") << "demo_software_page.png" << QSize(633, 102);
        QTest::newRow("pager") << "demo_pager.png" << QSize(463, 48);
        QTest::newRow("search pager") << "demo_search_pager.png" << QSize(672, 138);
        QTest::newRow("about banner") << "about_banner.png" << QSize(431, 105);
        QTest::newRow("ad banner") << "ad_banner.png" << QSize(271, 66);
    }
    void embeddedPicturesHaveTheirSizes() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QCOMPARE(LoadPicture(ToUtf8(file)).size(), size);
    }

    void themeIsAppliedBeforeTheFirstShow() {
        window_.reset();
        QApplication::setPalette(QPalette(Qt::darkRed));  // any look but the skin's
        auto window = std::make_unique<MainWindow>();
        QVERIFY(!window->isVisible());
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0xf3f6fa));
        // The output box: black text on white, blue selection while focused.
        auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"));
        QVERIFY(box);
        QCOMPARE(box->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
        QCOMPARE(box->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
        QCOMPARE(box->palette().color(QPalette::Active, QPalette::Highlight), QColor(0x3a78c9));

        ApplySkin(99);  // no such skin: the look stays as it was
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0xf3f6fa));
    }

    void startingWritesNoFileNextToTheProgram() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("zentaro"));
        QVERIFY(QFile::copy(QStringLiteral(ZENTARO_APP_PATH), program));
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeUser);
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run.setProcessEnvironment(environment);
        run.start(program);
        QVERIFY(run.waitForStarted());
        QTest::qWait(1500);  // started and idle: the window is up
        QCOMPARE(run.state(), QProcess::Running);
        run.kill();
        run.waitForFinished();
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({"zentaro"}));
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(SubWindowsTest)
#include "sub_windows_test.moc"
