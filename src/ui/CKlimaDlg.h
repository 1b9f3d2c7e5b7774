#pragma once

#include "CItemDlg.h"

class CItem;
class CKlima;
class CKlimasted;
class QTreeWidget;
class QTreeWidgetItem;

// "Ortsdata": the climate locations, sorted by their line, with buttons to
// add, update and remove one. It works on the list container's working
// copy; OK hands back the chosen location, Cancel leaves the copy to be
// thrown away.
class CKlimaDlg : public CItemDlg {
    Q_OBJECT

public:
    explicit CKlimaDlg(CKlima& working, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    // The location of the highlighted line, or none.
    CKlimasted* Current() const;

    void OnNew();
    void OnUpdate();
    void OnDelete();
    void reject() override;

protected:
    bool Validate() override;

private:
    QTreeWidgetItem* addLine(CKlimasted* location);
    CKlimasted* selectedOrTell();

    CKlima& working_;
    QTreeWidget* list_;
};

// The editor of CKlima (its working copy).
bool EditClimate(CItem& item, QWidget* parent);

// The climate locations of the open document, for the module dialogs'
// "Ortsdata..." button; the main window names them.
void SetClimateLocations(CKlima* climate);
CKlima* ClimateLocations();
