// The windows as a real window manager frames and treats them: outer sizes
// and places as the manager reports them, requests to maximise or resize,
// real key presses and pointer clicks sent through the X server.
// Run under run_with_window_manager.sh (Xvfb and openbox); the X tools
// xprop, xwininfo, wmctrl and xdotool must be installed.
#include "shell_test_support.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>

#include <functional>
#include <memory>

#include <signal.h>

using namespace zentaro;
using namespace zentaro::testing;

namespace {

// Runs one X tool to its end. These tools talk only to the X server, so
// blocking here cannot wait for this process.
QString Tool(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(10000);
    if (!finished) process.kill(), process.waitForFinished(2000);
    if (ok) *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Id(const QWidget* window) { return QString::number(window->winId()); }

// The window's outer rectangle as the window manager has framed it: the
// client's place on the root window widened by _NET_FRAME_EXTENTS. Invalid
// while the window is not framed yet.
QRect FramedGeometry(const QWidget* window) {
    const QString extents = Tool("xprop", {"-id", Id(window), "_NET_FRAME_EXTENTS"});
    const qsizetype eq = extents.indexOf(u'=');
    if (eq < 0) return {};
    const QStringList parts = extents.mid(eq + 1).split(u',', Qt::SkipEmptyParts);
    if (parts.size() != 4) return {};
    const int left = parts[0].trimmed().toInt(), right = parts[1].trimmed().toInt();
    const int top = parts[2].trimmed().toInt(), bottom = parts[3].trimmed().toInt();
    int x = 0, y = 0, width = 0, height = 0;
    for (const QString& line : Tool("xwininfo", {"-id", Id(window)}).split(u'\n')) {
        const QString value = line.section(u':', 1).trimmed();
        if (line.contains(QStringLiteral("Absolute upper-left X"))) x = value.toInt();
        else if (line.contains(QStringLiteral("Absolute upper-left Y"))) y = value.toInt();
        else if (line.trimmed().startsWith(QStringLiteral("Width:"))) width = value.toInt();
        else if (line.trimmed().startsWith(QStringLiteral("Height:"))) height = value.toInt();
    }
    if (width <= 0 || height <= 0) return {};
    return {x - left, y - top, width + left + right, height + top + bottom};
}

// Waits until the window is framed and its outer rectangle has stayed the
// same for half a second (the program fits its client to the frame once it
// knows the frame, which may take a moment).
QRect SettledGeometry(const QWidget* window, int timeoutMs = 8000) {
    QElapsedTimer clock;
    clock.start();
    QRect last;
    int sameCount = 0;
    while (clock.elapsed() < timeoutMs) {
        QTest::qWait(50);
        const QRect now = FramedGeometry(window);
        sameCount = (now.isValid() && now == last) ? sameCount + 1 : 0;
        last = now;
        if (sameCount >= 10) return now;
    }
    return last;
}

QStringList NetProperty(const QWidget* window, const char* property) {
    const QString text = Tool("xprop", {"-id", Id(window), QString::fromLatin1(property)});
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0) return {};
    QStringList atoms;
    for (const QString& atom : text.mid(eq + 1).split(u',', Qt::SkipEmptyParts)) atoms << atom.trimmed();
    return atoms;
}

QString ActiveWindowId() { return Tool("xdotool", {"getactivewindow"}).trimmed(); }

QPoint CentredOnScreen(QSize outer) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x() + (screen.width() - outer.width()) / 2, screen.y() + (screen.height() - outer.height()) / 2};
}

// A real pointer click through the X server at a point of the screen.
void ScreenClick(QPoint at, int clicks = 1) {
    Tool("xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
    Tool("xdotool", {"click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
}

// The point of a main-window control a user would click, on the screen.
QPoint ScreenPointOf(QWidget* widget) {
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return radio->mapToGlobal(
            radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center());
    }
    return widget->mapToGlobal(widget->rect().center());
}

// What a test saw while a sub-window was open.
struct SeenInSubWindow {
    bool opened = false;
    QString title;
    QRect outer;
    QStringList allowedActions;
    bool active = false;       // the window manager made it the active window
    bool closedByEsc = false;  // a real Esc key press closed it
};

// Watches for a modal sub-window; once it is open and framed, runs `inside`,
// records what it saw, then presses Esc on the real keyboard. Closes the
// window itself when Esc fails, so that nothing is left running.
class SubWindowWatch : public QObject {
public:
    explicit SubWindowWatch(std::function<void(QWidget*)> inside = {}) : inside_(std::move(inside)) {
        connect(&poll_, &QTimer::timeout, this, &SubWindowWatch::Check);
        poll_.start(20);
    }
    const SeenInSubWindow& seen() const { return seen_; }
    bool done() const { return done_; }

private:
    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || busy_ || done_) return;
        busy_ = true;
        poll_.stop();
        seen_.opened = true;
        seen_.title = modal->windowTitle();
        seen_.outer = SettledGeometry(modal);
        seen_.allowedActions = NetProperty(modal, "_NET_WM_ALLOWED_ACTIONS");
        QElapsedTimer clock;
        clock.start();
        while (ActiveWindowId() != Id(modal) && clock.elapsed() < 3000) QTest::qWait(50);
        seen_.active = ActiveWindowId() == Id(modal);
        if (inside_) inside_(modal);
        QPointer<QWidget> open(modal);
        if (seen_.active) {
            Tool("xdotool", {"key", "Escape"});
            clock.restart();
            while (open && open->isVisible() && clock.elapsed() < 3000) QTest::qWait(20);
            seen_.closedByEsc = !open || !open->isVisible();
        }
        if (open && open->isVisible()) open->close();
        done_ = true;
    }

    std::function<void(QWidget*)> inside_;
    QTimer poll_;
    SeenInSubWindow seen_;
    bool busy_ = false;
    bool done_ = false;
};

}  // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Whatever goes wrong, no sub-window stays open for long: its nested
        // event loop would keep the test from ending.
        connect(&modalGuard_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != guardedModal_) {
                guardedModal_ = modal;
                guardClock_.start();
            } else if (modal && guardClock_.elapsed() > 40000) {
                modal->close();
            }
        });
        modalGuard_.start(500);
        QVERIFY2(QGuiApplication::platformName() == QStringLiteral("xcb"), "needs an X server: run it through run_with_window_manager.sh");
        const QStringList wm = Tool("wmctrl", {"-m"}).split(u'\n');
        QVERIFY2(!wm.isEmpty() && wm.front().startsWith(QStringLiteral("Name:")), "no window manager runs");
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        startGeometry_ = SettledGeometry(window_.get());
        QVERIFY2(startGeometry_.isValid(), "the window manager did not frame the main window");
    }

    void cleanup() {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        window_.reset();
    }

    void mainWindowIsFramedAtItsOuterSizeAndCentred() {
        QCOMPARE(startGeometry_.size(), QSize(668, 633));
        QCOMPARE(startGeometry_.topLeft(), CentredOnScreen({668, 633}));
        QCOMPARE(window_->frameGeometry(), startGeometry_);  // Qt agrees with the window manager
        const QStringList actions = NetProperty(window_.get(), "_NET_WM_ALLOWED_ACTIONS");
        for (const char* offered : {"_NET_WM_ACTION_MOVE", "_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_CLOSE"})
            QVERIFY2(actions.contains(QString::fromLatin1(offered)), offered);
        for (const char* refused : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
            QVERIFY2(!actions.contains(QString::fromLatin1(refused)), refused);
    }

    void requestsToMaximiseOrResizeLeaveTheWindowAlone_data() {
        QTest::addColumn<QString>("request");
        QTest::newRow("maximise request") << "maximise";
        QTest::newRow("maximise toggle") << "toggle";
        QTest::newRow("resize request") << "windowsize";
        QTest::newRow("move-resize request") << "moveresize";
        QTest::newRow("double click on the title bar") << "title double click";
        QTest::newRow("drag of the lower right corner") << "corner drag";
        QTest::newRow("drag of the right edge") << "edge drag";
    }
    void requestsToMaximiseOrResizeLeaveTheWindowAlone() {
        QFETCH(QString, request);
        const QString id = Id(window_.get());
        const QRect outer = startGeometry_;
        if (request == "maximise") {
            Tool("wmctrl", {"-i", "-r", id, "-b", "add,maximized_vert,maximized_horz"});
        } else if (request == "toggle") {
            Tool("wmctrl", {"-i", "-r", id, "-b", "toggle,maximized_vert,maximized_horz"});
        } else if (request == "windowsize") {
            Tool("xdotool", {"windowsize", id, "900", "800"});
        } else if (request == "moveresize") {
            Tool("wmctrl", {"-i", "-r", id, "-e", "0,-1,-1,900,800"});
        } else if (request == "title double click") {
            ScreenClick({outer.center().x(), outer.top() + 8}, 2);
        } else {
            const QPoint grab = request == "corner drag" ? outer.bottomRight() : QPoint(outer.right(), outer.center().y());
            Tool("xdotool", {"mousemove", "--sync", QString::number(grab.x()), QString::number(grab.y())});
            Tool("xdotool", {"mousedown", "1"});
            Tool("xdotool", {"mousemove", "--sync", QString::number(grab.x() + 120), QString::number(grab.y() + 90)});
            Tool("xdotool", {"mouseup", "1"});
        }
        const QRect after = SettledGeometry(window_.get());
        QCOMPARE(after.size(), QSize(668, 633));
        QCOMPARE(after.topLeft(), outer.topLeft());
        const QStringList state = NetProperty(window_.get(), "_NET_WM_STATE");
        QVERIFY2(!state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT")) &&
                     !state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ")),
                 qPrintable(state.join(u' ')));
        QVERIFY(!window_->isMaximized());
    }

    // A user may move the window and minimise it; restoring it keeps it
    // where the user put it, at its size.
    void movedByTheUserThenMinimisedAndRestored() {
        const QRect outer = startGeometry_;
        const QPoint grab(outer.center().x(), outer.top() + 8);
        Tool("xdotool", {"mousemove", "--sync", QString::number(grab.x()), QString::number(grab.y())});
        Tool("xdotool", {"mousedown", "1"});
        for (int step = 1; step <= 4; ++step)
            Tool("xdotool", {"mousemove", "--sync", QString::number(grab.x() - 30 * step), QString::number(grab.y() + 20 * step)});
        Tool("xdotool", {"mouseup", "1"});
        const QRect moved = SettledGeometry(window_.get());
        QCOMPARE(moved.size(), QSize(668, 633));
        QCOMPARE(moved.topLeft(), outer.topLeft() + QPoint(-120, 80));

        Tool("xdotool", {"windowminimize", "--sync", Id(window_.get())});
        QTRY_VERIFY_WITH_TIMEOUT(NetProperty(window_.get(), "_NET_WM_STATE").contains("_NET_WM_STATE_HIDDEN"), 5000);
        Tool("wmctrl", {"-i", "-a", Id(window_.get())});
        QTRY_VERIFY_WITH_TIMEOUT(!NetProperty(window_.get(), "_NET_WM_STATE").contains("_NET_WM_STATE_HIDDEN"), 5000);
        const QRect restored = SettledGeometry(window_.get());
        QCOMPARE(restored, moved);
    }

    void subWindowsAreFramedAtTheirOuterSizeCentredAndEscClosesThem_data() {
        QTest::addColumn<QString>("opener");  // a control of the main window, or a menu item of 帮助
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("outer");
        QTest::newRow("picker 导航属性选择") << "导航类型_属性值" << "导航属性选择" << QSize(188, 207);
        QTest::newRow("picker OrderBy参数") << "排序方式_属性值" << "OrderBy参数" << QSize(252, 245);
        QTest::newRow("picker Flag参数") << "自定属性_属性值" << "Flag参数" << QSize(192, 329);
        QTest::newRow("picker 友情链接参数") << "自定属性_属性值1" << "友情链接参数" << QSize(204, 168);
        QTest::newRow("picker 页码说明") << "说明_按钮" << "页码说明" << QSize(218, 245);
        QTest::newRow("sample 文章列表标签显示效果") << "效果演示" << "文章列表标签显示效果" << QSize(368, 289);
        QTest::newRow("sample 文章列表页效果") << "按钮3" << "文章列表页效果" << QSize(664, 142);
        QTest::newRow("sample 软件列表页效果") << "按钮4" << "软件列表页效果" << QSize(615, 134);
        QTest::newRow("sample 页码演示效果") << "标题长度_效果演示" << "页码演示效果" << QSize(470, 73);
        QTest::newRow("sample 搜索页页码演示") << "搜索页_效果演示" << "搜索页页码演示" << QSize(672, 168);
        QTest::newRow("menu 关于软件") << "关于软件" << "关于Zentaro" << QSize(395, 243);
        QTest::newRow("menu 版权声明") << "版权声明" << "版权声明" << QSize(446, 314);
        QTest::newRow("menu 反馈意见") << "反馈意见" << "意见反馈" << QSize(421, 162);
    }
    void subWindowsAreFramedAtTheirOuterSizeCentredAndEscClosesThem() {
        QFETCH(QString, opener);
        QFETCH(QString, title);
        QFETCH(QSize, outer);
        SubWindowWatch watch;
        QVERIFY(OpenWithRealClicks(opener));
        QTRY_VERIFY_WITH_TIMEOUT(watch.done(), 30000);
        const SeenInSubWindow& seen = watch.seen();
        QVERIFY(seen.opened);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.outer.size(), outer);
        QCOMPARE(seen.outer.topLeft(), CentredOnScreen(outer));
        QVERIFY2(!seen.allowedActions.contains("_NET_WM_ACTION_RESIZE") &&
                     !seen.allowedActions.contains("_NET_WM_ACTION_MAXIMIZE_HORZ"),
                 qPrintable(seen.allowedActions.join(u' ')));
        QVERIFY2(seen.active, "the window manager did not make the sub-window the active window");
        QVERIFY2(seen.closedByEsc, "Esc did not close the sub-window");
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 3000);
        QVERIFY(window_->isVisible());  // the Esc closed only the sub-window
    }

    // A busy machine may frame a window only after the program has placed it
    // and stopped watching it settle. Holding the window manager back for
    // longer than that makes it happen for sure: once framed, the window must
    // still stand centred at its outer size.
    void aSubWindowFramedLateIsStillCentred() {
        bool named = false;
        const pid_t manager = qEnvironmentVariableIntValue("ZENTARO_WM_PID", &named);
        QVERIFY2(named, "run_with_window_manager.sh names the window manager's process in ZENTARO_WM_PID");
        struct Resumer {
            pid_t pid;
            ~Resumer() { kill(pid, SIGCONT); }  // whatever happens, the manager runs again
        } resumer{manager};
        QCOMPARE(kill(manager, SIGSTOP), 0);

        QRect outer;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            poll.stop();
            QTest::qWait(3500);  // longer than a window watches for its frame
            kill(manager, SIGCONT);
            outer = SettledGeometry(modal);
            modal->close();
        });
        poll.start(20);
        ClickControl(window_.get(), "效果演示");  // returns once the sub-window has closed
        QVERIFY2(outer.isValid(), "the window manager did not frame the sub-window");
        QCOMPARE(outer.size(), QSize(368, 289));
        QCOMPARE(outer.topLeft(), CentredOnScreen(outer.size()));
    }

    // While a picker is open, real clicks on the main window reach nothing;
    // the same clicks work again once it has closed, so they did aim right.
    void realClicksOnTheMainWindowWhileAPickerIsOpenChangeNothing() {
        ClickControl(window_.get(), "栏目链接");
        const std::string before = BoxText(window_.get());
        const char* targets[] = {"导航开始标签", "导航结束标签", "栏目名称", "文章开始标签", "导航个数_按钮", "标签复位"};
        QString clicked;
        std::string boxWhileOpen;
        bool stillOpen = false;
        SubWindowWatch watch([&](QWidget* picker) {
            const QRect pickerFrame = picker->frameGeometry().adjusted(-4, -4, 4, 4);
            for (const char* name : targets) {
                QWidget* target = Find(window_.get(), name);
                const QPoint at = ScreenPointOf(target);
                if (pickerFrame.contains(at) || !target->isVisible()) continue;  // a click there would reach the picker
                ScreenClick(at);
                clicked += QString::fromUtf8(name) + u' ';
            }
            QTest::qWait(300);
            boxWhileOpen = BoxText(window_.get());
            stillOpen = QApplication::activeModalWidget() == picker;
        });
        QVERIFY(OpenWithRealClicks("导航类型_属性值"));
        QTRY_VERIFY_WITH_TIMEOUT(watch.done(), 30000);
        QVERIFY2(!clicked.isEmpty(), "every target lay under the picker");
        QCOMPARE(boxWhileOpen, before);
        QVERIFY(stillOpen);
        QVERIFY(watch.seen().closedByEsc);
        QVERIFY(!Find<QRadioButton>(window_.get(), "导航结束标签")->isChecked());

        // The main window is active again and takes the same click.
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindowId(), Id(window_.get()), 5000);
        ScreenClick(ScreenPointOf(Find(window_.get(), "导航结束标签")));
        QTRY_COMPARE_WITH_TIMEOUT(BoxText(window_.get()), std::string("{/dede:channel}"), 5000);
    }

    // Esc on the real keyboard closes the main window, also right after a
    // sub-window was closed with Esc: the focus has gone back to it.
    void escClosesTheMainWindow_data() {
        QTest::addColumn<bool>("afterPicker");
        QTest::newRow("with the focus in the output box") << false;
        QTest::newRow("after a picker was closed with Esc") << true;
    }
    void escClosesTheMainWindow() {
        QFETCH(bool, afterPicker);
        if (afterPicker) {
            SubWindowWatch watch;
            QVERIFY(OpenWithRealClicks("排序方式_属性值"));
            QTRY_VERIFY_WITH_TIMEOUT(watch.done(), 30000);
            QVERIFY(watch.seen().closedByEsc);
        } else {
            ScreenClick(BoxOf(window_.get())->mapToGlobal(QPoint(20, 20)));
            QTRY_VERIFY_WITH_TIMEOUT(BoxOf(window_.get())->hasFocus(), 5000);
        }
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindowId(), Id(window_.get()), 5000);
        Tool("xdotool", {"key", "Escape"});
        QTRY_VERIFY_WITH_TIMEOUT(!window_->isVisible(), 5000);
    }

private:
    // Opens a sub-window as a user does: a real click on its button, or on
    // the menu 帮助 and then on the item.
    bool OpenWithRealClicks(const QString& opener) {
        if (QWidget* button = Find(window_.get(), ToUtf8(opener))) {
            ShowPageOf(window_.get(), button);
            QTest::qWait(50);
            ScreenClick(ScreenPointOf(button));
            return true;
        }
        QMenuBar* bar = window_->menuBar();
        QAction* help = nullptr;
        for (QAction* menu : bar->actions())
            if (menu->text() == QStringLiteral("帮助")) help = menu;
        if (!help) return false;
        ScreenClick(bar->mapToGlobal(bar->actionGeometry(help).center()));
        QElapsedTimer clock;
        clock.start();
        while (!qobject_cast<QMenu*>(QApplication::activePopupWidget()) && clock.elapsed() < 5000) QTest::qWait(20);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup) return false;
        for (QAction* item : popup->actions()) {
            if (item->text() != opener) continue;
            QTest::qWait(100);
            ScreenClick(popup->mapToGlobal(popup->actionGeometry(item).center()));
            return true;
        }
        popup->close();
        return false;
    }

    std::unique_ptr<MainWindow> window_;
    QRect startGeometry_;
    QTimer modalGuard_;
    QPointer<QWidget> guardedModal_;
    QElapsedTimer guardClock_;
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"
