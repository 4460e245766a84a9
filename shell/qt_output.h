// The output box and the clipboard as the catalogue's output rules see them.
#pragma once

#include "output.h"

class QPlainTextEdit;

namespace zentaro {

class PlainTextOutputBox : public OutputBox {
public:
    explicit PlainTextOutputBox(QPlainTextEdit* edit) : edit_(edit) {}
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
