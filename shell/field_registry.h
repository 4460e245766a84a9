// The parameter fields of the main window, found by their control names.
// Composers read them; pickers write them.
#pragma once

#include "output.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zentaro {

class FieldRegistry : public FieldTexts {
public:
    void Add(QLineEdit* field);
    void Add(QComboBox* field);

    std::string FieldText(std::string_view fieldName) const override;
    // Replaces the field's whole text; an unknown name changes nothing.
    void SetFieldText(std::string_view fieldName, std::string_view text);

private:
    QHash<QString, QPointer<QLineEdit>> lineEdits_;
    QHash<QString, QPointer<QComboBox>> comboBoxes_;
};

}  // namespace zentaro
