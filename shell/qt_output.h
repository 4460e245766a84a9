// The output box and the clipboard as the catalogue's output rules see them.
#pragma once

#include "output.h"

class QPlainTextEdit;

namespace zentaro {

// Gives `edit` a document that keeps the shaped text of each paragraph
// (unless it has one already), and writes into it. Call after the edit's font
// is set.
class PlainTextOutputBox : public OutputBox {
public:
    explicit PlainTextOutputBox(QPlainTextEdit* edit);
    std::string Text() const override;
    void ReplaceText(std::string_view text) override;

private:
    QPlainTextEdit* edit_;
};

class SystemClipboard : public Clipboard {
public:
    bool PutPlainText(std::string_view text) override;
};

}  // namespace zentaro
