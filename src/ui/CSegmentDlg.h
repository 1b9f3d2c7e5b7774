#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "doc/ItemList.h"
#include "modules/CTilleggsutstyr.h"
#include "modules/SectionInput.h"

#include <optional>
#include <string>
#include <vector>

class CEgendefIsoProdukt;
class CIsoProdukt;
class CItem;
class CMantling;
class CRordimensjon;
class CRormaterial;
class CSegment;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Rör/Kanal sektion": one section of the flowing-medium run. It works on a
// copy of the section's input, the catalogue items it uses and its
// fittings; OK hands the copy back once every check has passed. The
// section's type is fixed while it is edited.
class CSegmentDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : SectionInput {
        std::string name;
        CIsoProdukt* product = nullptr;
        CEgendefIsoProdukt* userProduct = nullptr;
        CIsoProdukt* layer2Product = nullptr;
        CEgendefIsoProdukt* layer2UserProduct = nullptr;
        CMantling* cladding = nullptr;
        CMantling* innerCladding = nullptr;
        CRormaterial* pipeMaterial = nullptr;
        const CRordimensjon* pipeDimension = nullptr;
        ItemList<CTilleggsutstyr> fittings;
        // The names of the run's other sections, which this one may not take.
        std::vector<std::string> otherNames;
    };

    static Values ValuesOf(const CSegment& section, std::vector<std::string> otherNames);
    // The section takes the values over and refers to the chosen items.
    static void TakeValues(CSegment& section, Values& values);

    explicit CSegmentDlg(Values values, QWidget* parent = nullptr);
    ~CSegmentDlg() override;

    Values& Result() { return values_; }

    void OnEditProducts();
    void OnClimate() { surroundings_.OnClimate(); }

protected:
    bool Validate() override;

private:
    // A product list and its thickness box.
    struct ProductRow {
        QComboBox* products = nullptr;
        QComboBox* thickness = nullptr;
        std::vector<CIsoProdukt*> items;
    };

    QWidget* insulationBox();
    QWidget* layer2Box();
    QWidget* flowBox();
    QWidget* sizeBox();
    QWidget* surroundingsBox();
    QWidget* fittingsBox();
    ProductRow productRow(const char* productName, const char* thicknessName, bool user, const CIsoProdukt* chosen,
                          float thickness);
    void fillProducts(ProductRow& row, bool user, const CIsoProdukt* chosen);
    static void fillThicknesses(ProductRow& row);
    static CIsoProdukt* chosenProduct(const ProductRow& row);
    void onSourceChanged(int source);
    void onFlowUnitChanged(int unit);
    void updateStates();
    bool readThicknesses();
    void storeChoices();

    Values values_;
    FieldRows rows_;
    SurroundingsGroup surroundings_;
    CladdingGroup cladding_;
    PipeGroup pipe_;
    int shownSource_ = 0;
    int shownFlowUnit_ = 0;

    QLineEdit* name_;
    QButtonGroup* sources_;
    QButtonGroup* layer2Sources_;
    QButtonGroup* flowUnits_;
    QButtonGroup* orientations_;
    ProductRow catalogue_;
    ProductRow user_;
    ProductRow catalogue2_;
    ProductRow user2_;
    QWidget* catalogueGroup_;
    QWidget* userGroup_;
    QPushButton* editProducts_;
    QPushButton* editProducts2_;
    QCheckBox* twoLayers_;
    QCheckBox* innerGiven_;
    std::optional<FittingsGroup> fittings_; // made where the dialog lays it out
    QCheckBox* supports_;
    QLabel* supportsNote_;
};

// The editor of CSegment outside a run: no other names to keep clear of.
bool EditSection(CItem& item, QWidget* parent);
