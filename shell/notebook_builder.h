// Builds the notebook of catalogue pages: one generic loop over the data makes
// every group frame and control, names it after its control name and binds
// its click to the matching action.
#pragma once

#include "catalogue.h"
#include "field_registry.h"

#include <QTabWidget>

#include <utility>
#include <vector>

namespace zentaro {

class CatalogueActions {
public:
    virtual ~CatalogueActions() = default;
    virtual void EntryClicked(const TagEntry& entry) = 0;
    virtual void ComposerClicked(const TagComposer& composer) = 0;
    virtual void PickerLinkClicked(PickerId picker) = 0;
    virtual void DemoLinkClicked(DemoId demo) = 0;
};

// A tab widget whose group frames are placed relative to its own top-left
// corner (tab strip included), although each page starts below the tab bar.
class Notebook : public QTabWidget {
public:
    using QTabWidget::QTabWidget;
    void AddGroupFrame(QWidget* frame, QRect inNotebook);

protected:
    bool event(QEvent* event) override;

private:
    void PlaceGroupFrames();
    std::vector<std::pair<QWidget*, QRect>> frames_;
};

Notebook* BuildNotebook(const TagCatalogue& catalogue, CatalogueActions& actions, FieldRegistry& fields,
                        QWidget* parent);

}  // namespace zentaro
