#pragma once

#include "CItemDlg.h"

#include <string>

class CIsoKostnad;
class CItem;
class CKostnad;
class QTreeWidget;
class QTreeWidgetItem;

// "Kostnadsdata Isolering": the user's price list, with buttons to add,
// edit and remove an entry. It works on the cost list's working copy; OK
// hands back the chosen entry, whose cost the alternative dialog takes.
class CKostnadDlg : public CItemDlg {
    Q_OBJECT

public:
    explicit CKostnadDlg(CKostnad& working, QWidget* parent = nullptr);
    ~CKostnadDlg() override;

    QTreeWidget* List() const { return list_; }
    // The entry of the highlighted line, or none.
    CIsoKostnad* Current() const;

    void OnNew();
    void OnUpdate();
    void OnDelete();
    void reject() override;

protected:
    bool Validate() override;

private:
    QTreeWidgetItem* addLine(CIsoKostnad* entry);
    CIsoKostnad* selectedOrTell();

    CKostnad& working_;
    QTreeWidget* list_;
    std::string outerUnit_;
};

// The editor of CKostnad (its working copy).
bool EditCostList(CItem& item, QWidget* parent);
// The unit of the cost list being edited: "m" when none is.
std::string CostListUnit();

// The cost list of the open document, for "Kostnadsdata..." in the economy
// alternative dialog; the main window names it.
void SetCostData(CKostnad* costs);
CKostnad* CostData();
