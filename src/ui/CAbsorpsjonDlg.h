#pragma once

#include "CCatalogueItemDlg.h"
#include "ListBoxController.h"
#include "database/CAbsorpsjonTykkelse.h"

class CAbsorpsjon;
class CItem;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Absorptionsprodukt": an absorption product's name, its standard
// thicknesses (ascending, edited on a working copy) and its three pictures.
// A product for circular ducts has only the picture lined all round.
class CAbsorpsjonDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CAbsorpsjonDlg(const CAbsorpsjon& product, QWidget* parent = nullptr);
    ~CAbsorpsjonDlg() override;
    // Name, pictures and the working thicknesses; kind and colours stay.
    void Apply(CAbsorpsjon& product);

    // The thicknesses of the product being edited, while its dialog is open;
    // a thickness's name is checked against them.
    static const ItemList<CAbsorpsjonTykkelse>* WorkingThicknesses();

    QLineEdit* NameField() const { return name_; }
    QListWidget* Box() const { return box_; }
    QPushButton* NewButton() const { return newButton_; }
    QPushButton* UpdateButton() const { return updateButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }
    QPushButton* VerticalButton() const { return verticalButton_; }
    QPushButton* HorizontalButton() const { return horizontalButton_; }
    QPushButton* FourSidesButton() const { return fourSidesButton_; }
    QLineEdit* VerticalField() const { return vertical_; }
    QLineEdit* HorizontalField() const { return horizontal_; }
    QLineEdit* FourSidesField() const { return fourSides_; }
    const ItemList<CAbsorpsjonTykkelse>& Working() const { return working_; }

public slots:
    void OnNew();
    void OnUpdate();
    void OnDelete();

protected:
    bool Validate() override;

private:
    const CAbsorpsjon& original_;
    ItemList<CAbsorpsjonTykkelse> working_;
    const ItemList<CAbsorpsjonTykkelse>* outerWorking_;
    ListBoxController controller_;
    QLineEdit* name_;
    QListWidget* box_;
    QPushButton* newButton_;
    QPushButton* updateButton_;
    QPushButton* deleteButton_;
    QPushButton* verticalButton_;
    QPushButton* horizontalButton_;
    QPushButton* fourSidesButton_;
    QLineEdit* vertical_;
    QLineEdit* horizontal_;
    QLineEdit* fourSides_;
    std::string nameValue_;
    std::string verticalValue_;
    std::string horizontalValue_;
    std::string fourSidesValue_;
};

bool EditAbsorptionProduct(CItem& item, QWidget* parent);
