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

// The output box's document layout. It lays out text only when the view
// needs it, and keeps what it laid out:
// - Qt's plain-text layout drops a paragraph's shaped glyphs once its lines
//   are laid out, so placing the cursor and painting shape the whole
//   paragraph again: for one long pasted run that is most of the time a
//   write takes. Each changed paragraph here keeps its glyphs until its text
//   changes.
// - A write replaces the whole text. Qt lays out a change within one
//   paragraph at once (it is made for typing), twice in fact, and the view
//   reads the document's new size, which lays out the last paragraphs, at
//   once too. Here a write only marks the new paragraphs to be laid out, and
//   the view learns the size from a posted call. Posted calls run before the
//   repaint (Qt posts repaints at low priority), so the view paints with the
//   right scroll range and lays out what it shows, once per paint however
//   many writes came before.
class OutputLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    void ReplaceAllText(const QString& text) {
        QTextDocument* doc = document();
        {
            const QSignalBlocker quiet(this);
            replacingAll_ = true;
            const bool undoable = doc->isUndoRedoEnabled();
            doc->setUndoRedoEnabled(false);  // also forgets the history, as setPlainText does
            // New text after the old, then the old removed: a cursor at the
            // start of the old text stays where it is. One edit block, so
            // that the cursor works out its place once, after the edit.
            const int oldLength = doc->characterCount();  // the old text and its closing paragraph break
            QTextCursor cursor(doc);
            cursor.beginEditBlock();
            cursor.movePosition(QTextCursor::End);
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            cursor.insertText(text, QTextCharFormat());
            cursor.setPosition(0);
            cursor.setPosition(oldLength, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            cursor.endEditBlock();
            doc->setUndoRedoEnabled(undoable);
            replacingAll_ = false;
        }
        AnnounceSizeSoon();
        emit update();
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override {
        const QTextDocument* doc = document();
        const QTextBlock last = doc->findBlock(std::max(0, from + charsAdded - 1));
        for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
            block.layout()->setCacheEnabled(true);
            if (block == last) break;
        }
        // Reported as reaching past the end, the change is taken as one over
        // many paragraphs: their layouts are cleared, to be made when needed.
        if (replacingAll_) charsAdded = doc->characterCount() - from + 1;
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }

private:
    void AnnounceSizeSoon() {
        if (announcing_) return;
        announcing_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                announcing_ = false;
                // The view counts the lines of the last paragraphs it lays
                // out and takes one line for any other. The first paragraph
                // is on show after a write: laid out now, it counts right,
                // as it did when Qt placed the cursor there.
                blockBoundingRect(document()->firstBlock());
                emit documentSizeChanged(documentSize());
            },
            Qt::QueuedConnection);
    }

    bool replacingAll_ = false;
    bool announcing_ = false;
};

}  // namespace

PlainTextOutputBox::PlainTextOutputBox(QPlainTextEdit* edit) : edit_(edit) {
    if (dynamic_cast<OutputLayout*>(edit->document()->documentLayout())) return;  // given already
    auto* document = new QTextDocument(edit);  // the edit deletes its own first document
    document->setDocumentLayout(new OutputLayout(document));
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
    const QString newText = ToQString(text);
    if (auto* layout = dynamic_cast<OutputLayout*>(document->documentLayout())) layout->ReplaceAllText(newText);
    else document->setPlainText(newText);
    // Show the new text from its first line, with the cursor before it. A
    // cursor already there is left alone: moving it would make the view work
    // out at once where it stands, which lays out the first paragraph.
    const QTextCursor now = edit_->textCursor();
    if (now.position() != 0 || now.hasSelection()) edit_->setTextCursor(QTextCursor(document));
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
