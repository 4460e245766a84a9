#include "qt_output.h"

#include "qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace zentaro {
namespace {

// Qt's plain-text layout drops a paragraph's shaped glyphs once its lines
// are laid out, so placing the cursor and painting shape the whole paragraph
// again: for one long pasted run that is most of the time a write takes.
// Each changed paragraph here keeps its glyphs until its text changes.
class GlyphKeepingLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override {
        const QTextDocument* doc = document();
        const QTextBlock last = doc->findBlock(std::max(0, from + charsAdded - 1));
        for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
            block.layout()->setCacheEnabled(true);
            if (block == last) break;
        }
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }
};

}  // namespace

PlainTextOutputBox::PlainTextOutputBox(QPlainTextEdit* edit) : edit_(edit) {
    auto* document = new QTextDocument(edit);  // the edit deletes its own first document
    document->setDocumentLayout(new GlyphKeepingLayout(document));
    document->setDefaultFont(edit->font());
    document->setPlainText(edit->document()->toPlainText());
    edit->setDocument(document);
}

std::string PlainTextOutputBox::Text() const {
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into ordinary ones; only the paragraph and line separators become LF.
    QString text = edit_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return ToUtf8(text);
}

void PlainTextOutputBox::ReplaceText(std::string_view text) {
    QTextDocument* document = edit_->document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    {
        // Left to itself, the view re-reads the document's size after each
        // step of the replacement and lays the new text out for it each time.
        // It is told once, below, when the text is complete.
        const QSignalBlocker quiet(layout);
        document->setPlainText(ToQString(text));
    }
    emit layout->documentSizeChanged(layout->documentSize());
    emit layout->update();
    // Show the new text from its first line, with the cursor before it.
    edit_->setTextCursor(QTextCursor(document));
    edit_->verticalScrollBar()->setValue(0);
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
