#pragma once

#include "CCatalogueItemDlg.h"
#include "ListBoxController.h"
#include "database/CRordimensjon.h"

class CItem;
class CRormaterial;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Rörmaterial/dimension": a pipe material's values and its standard
// dimensions, kept ascending by outer diameter, edited on a working copy.
class CRormaterialDlg : public CCatalogueItemDlg {
    Q_OBJECT

public:
    CRormaterialDlg(const CRormaterial& material, QWidget* parent = nullptr);
    ~CRormaterialDlg() override;
    void Apply(CRormaterial& material);

    // The dimensions of the material being edited, while its dialog is open;
    // a dimension's name is checked against them.
    static const ItemList<CRordimensjon>* WorkingDimensions();

    QLineEdit* NameField() const { return name_; }
    QLineEdit* ConductivityField() const { return conductivity_; }
    QLineEdit* CoefficientField() const { return coefficient_; }
    QLineEdit* EmissivityField() const { return emissivity_; }
    QLineEdit* MinField() const { return min_; }
    QLineEdit* MaxField() const { return max_; }
    QListWidget* Box() const { return box_; }
    QPushButton* NewButton() const { return newButton_; }
    QPushButton* UpdateButton() const { return updateButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }
    const ItemList<CRordimensjon>& Working() const { return working_; }

public slots:
    void OnNew();
    void OnUpdate();
    void OnDelete();

protected:
    bool Validate() override;

private:
    const CRormaterial& original_;
    ItemList<CRordimensjon> working_;
    const ItemList<CRordimensjon>* outerWorking_;
    ListBoxController controller_;
    QLineEdit* name_;
    QLineEdit* conductivity_;
    QLineEdit* coefficient_;
    QLineEdit* emissivity_;
    QLineEdit* min_;
    QLineEdit* max_;
    QListWidget* box_;
    QPushButton* newButton_;
    QPushButton* updateButton_;
    QPushButton* deleteButton_;
    std::string nameValue_;
    float conductivityValue_ = 0.0f;
    float coefficientValue_ = 0.0f;
    float emissivityValue_ = 0.0f;
    float minValue_ = 0.0f;
    float maxValue_ = 0.0f;
};

bool EditPipeMaterial(CItem& item, QWidget* parent);
