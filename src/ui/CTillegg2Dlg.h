#pragma once

#include "CCatalogueItemDlg.h"
#include "ListBoxController.h"
#include "database/CTilleggslengde.h"

class CItem;
class CTillegg2;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Tilläggsarmatur": a fitting type's name and its equivalent lengths, kept
// ascending by length, edited on a working copy.
class CTillegg2Dlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CTillegg2Dlg(const CTillegg2& fitting, QWidget* parent = nullptr);
    ~CTillegg2Dlg() override;
    // The name, and the working lengths in place of the fitting's (each
    // tells its dependents).
    void Apply(CTillegg2& fitting);

    QLineEdit* NameField() const { return name_; }
    QListWidget* Box() const { return box_; }
    QPushButton* NewButton() const { return newButton_; }
    QPushButton* UpdateButton() const { return updateButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }
    const ItemList<CTilleggslengde>& Working() const { return working_; }

public slots:
    void OnNew();
    void OnUpdate();
    void OnDelete();

protected:
    bool Validate() override;

private:
    const CTillegg2& original_;
    ItemList<CTilleggslengde> working_;
    ListBoxController controller_;
    QLineEdit* name_;
    QListWidget* box_;
    QPushButton* newButton_;
    QPushButton* updateButton_;
    QPushButton* deleteButton_;
    std::string nameValue_;
};

bool EditFittingType(CItem& item, QWidget* parent);
