// The copy button against a real X server: another program reads the
// clipboard back and must get exactly the composed bytes, CR LF included.
#include "shell_test_support.h"

#include <QLineEdit>
#include <QProcess>

using namespace zentaro;
using namespace zentaro::testing;

class ClipboardX11Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void anotherProgramReadsTheExactBytes_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("count");
        QTest::newRow("sample sizes") << "300" << "200" << "5";
        QTest::newRow("empty fields") << "" << "" << "";
        QTest::newRow("Chinese and quotes") << "宽'\"" << " 2 " << "五";
    }
    void anotherProgramReadsTheExactBytes() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, count);
        Find<QLineEdit>(window_.get(), "Flash宽度_编辑框")->setText(width);
        Find<QLineEdit>(window_.get(), "Flash高度_编辑框")->setText(height);
        Find<QLineEdit>(window_.get(), "数目_编辑框")->setText(count);
        ClickControl(window_.get(), "按钮7");
        ClickControl(window_.get(), "按钮1");

        MapFields fields;
        fields.texts = {{"Flash宽度_编辑框", ToUtf8(width)}, {"Flash高度_编辑框", ToUtf8(height)},
                        {"数目_编辑框", ToUtf8(count)}};
        const auto& composer = std::get<TagComposer>(*FindControl("按钮7"));
        const std::string expected = ComposeText(composer.recipe, fields);
        QVERIFY(expected.find("\r\n") != std::string::npos);
        QCOMPARE(ReadClipboardFromOutside(), QByteArray::fromStdString(expected));
    }

    void handEditedLinesReachOtherProgramsWithCrLf() {
        ClickControl(window_.get(), "导航结束标签");
        QPlainTextEdit* box = BoxOf(window_.get());
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "tail");
        ClickControl(window_.get(), "按钮1");
        QCOMPARE(ReadClipboardFromOutside(), QByteArray("{/dede:channel}\r\ntail"));
    }

private:
    // xclip asks this process for the selection, so the event loop must keep
    // running while it waits: no blocking wait here.
    QByteArray ReadClipboardFromOutside() {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                              QStringLiteral("-o"), QStringLiteral("-target"),
                                              QStringLiteral("UTF8_STRING")});
        [&] { QTRY_VERIFY_WITH_TIMEOUT(xclip.state() == QProcess::NotRunning, 20000); }();
        return xclip.readAllStandardOutput();
    }

    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(ClipboardX11Test)
#include "clipboard_x11_test.moc"
