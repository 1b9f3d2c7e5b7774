#pragma once

#include "CItemDlg.h"
#include "ListBoxController.h"
#include "database/CEgendefIsoProdukt.h"

class CItem;
class QListWidget;
class QPushButton;

// "Egendefinierade isoleringsprodukter": the user's own products, edited on
// a working copy. OK and Cancel ask before they keep or drop changes; the
// caller puts the copy in place and writes the file after OK.
class CEgendefDatabaseDlg : public CItemDlg {
    Q_OBJECT

public:
    // The dialog edits the list in place; it must be a copy.
    explicit CEgendefDatabaseDlg(ItemList<CEgendefIsoProdukt>& working, QWidget* parent = nullptr);

    bool IsChanged() const { return changed_; }

    QListWidget* Box() const { return box_; }
    QPushButton* NewButton() const { return newButton_; }
    QPushButton* UpdateButton() const { return updateButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }

    void accept() override;
    void reject() override;

public slots:
    void OnNew();
    void OnUpdate();
    void OnDelete();

private:
    ItemList<CEgendefIsoProdukt>& working_;
    ListBoxController controller_;
    bool changed_ = false;
    QListWidget* box_;
    QPushButton* newButton_;
    QPushButton* updateButton_;
    QPushButton* deleteButton_;
};

// The editor of CEgendefDatabase: the dialog on the database's products,
// which CEgendefDatabase::Edit hands over as a copy.
bool EditEgendefDatabase(CItem& item, QWidget* parent);
