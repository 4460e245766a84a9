#include "field_registry.h"

#include "qt_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace zentaro {

void FieldRegistry::Add(QLineEdit* field) { lineEdits_.insert(field->objectName(), field); }

void FieldRegistry::Add(QComboBox* field) { comboBoxes_.insert(field->objectName(), field); }

std::string FieldRegistry::FieldText(std::string_view fieldName) const {
    const QString name = ToQString(fieldName);
    if (QLineEdit* edit = lineEdits_.value(name)) return ToUtf8(edit->text());
    if (QComboBox* combo = comboBoxes_.value(name)) return ToUtf8(combo->currentText());
    return {};
}

void FieldRegistry::SetFieldText(std::string_view fieldName, std::string_view text) {
    const QString name = ToQString(fieldName);
    if (QLineEdit* edit = lineEdits_.value(name)) edit->setText(ToQString(text));
    else if (QComboBox* combo = comboBoxes_.value(name)) combo->setCurrentText(ToQString(text));
}

}  // namespace zentaro
