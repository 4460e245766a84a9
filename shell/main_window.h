// The main window: menu bar, output panel (box, copy, clear) and the notebook
// of catalogue pages. Every action starts as a click here.
#pragma once

#include "field_registry.h"
#include "notebook_builder.h"
#include "qt_output.h"
#include "windows.h"

#include <QMainWindow>

#include <memory>

class QPlainTextEdit;

namespace zentaro {

inline constexpr QSize kMainWindowOuterSize{668, 633};

class MainWindow : public QMainWindow, private CatalogueActions {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void CopyClicked();
    void ClearClicked();
    void OpenInfoWindow(InfoWindowId id);

private:
    void EntryClicked(const TagEntry& entry) override;
    void ComposerClicked(const TagComposer& composer) override;
    void PickerLinkClicked(PickerId picker) override;
    void DemoLinkClicked(DemoId demo) override;

    void BuildMenuBar();
    void BuildOutputPanel(QWidget* client);

    FieldRegistry fields_;
    QPlainTextEdit* outputEdit_ = nullptr;
    std::unique_ptr<PlainTextOutputBox> output_;
    SystemClipboard clipboard_;
};

}  // namespace zentaro
