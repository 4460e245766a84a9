#include "qt_output.h"

#include "qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

namespace zentaro {

std::string PlainTextOutputBox::Text() const {
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into ordinary ones; only the paragraph and line separators become LF.
    QString text = edit_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return ToUtf8(text);
}

void PlainTextOutputBox::ReplaceText(std::string_view text) {
    // Through the document: the widget's own setPlainText() selects and
    // re-formats the whole old text first, which lays the text out twice.
    edit_->document()->setPlainText(ToQString(text));
    edit_->moveCursor(QTextCursor::Start);
    edit_->verticalScrollBar()->setValue(0);  // show the new text from its first line
}

bool SystemClipboard::PutPlainText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    // Plain text only: whatever formats the clipboard held before are replaced.
    auto* data = new QMimeData;
    data->setText(ToQString(text));
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
}

}  // namespace zentaro
