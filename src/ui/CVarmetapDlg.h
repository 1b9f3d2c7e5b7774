#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "doc/ItemList.h"
#include "modules/CTilleggsutstyr.h"
#include "modules/HeatLossInput.h"
#include "platform/Canvas.h"

#include <memory>
#include <optional>

class CItem;
class CMantling;
class CRordimensjon;
class CRormaterial;
class CVarmeTapModul;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// "Varmeförlustberäkning", the heat loss module's input. It works on a copy
// of the module's input, the catalogue items it uses and its fittings; OK
// hands the copy back once every check has passed.
class CVarmetapDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : HeatLossInput {
        CMantling* outerCladding = nullptr;
        CMantling* innerCladding = nullptr;
        CRormaterial* pipeMaterial = nullptr;
        const CRordimensjon* pipeDimension = nullptr;
        ItemList<CTilleggsutstyr> fittings;
    };

    // The module's input, the items it uses and a copy of its fittings.
    static Values ValuesOf(const CVarmeTapModul& module);
    // The module takes the values over, refers to the chosen catalogue items
    // and takes the fitting list; it does not calculate.
    static void TakeValues(CVarmeTapModul& module, Values& values);

    explicit CVarmetapDlg(Values values, QWidget* parent = nullptr);
    ~CVarmetapDlg() override;

    // The edited values; complete after OK.
    Values& Result() { return values_; }

    // The picture of the object: the layer-1 catalogue product's picture for
    // the kind and orientation, else the program's own.
    static platform::PictureRef PictureFor(const CIsolasjon& layer1, int objectKind, bool vertical);
    const platform::PictureRef& Picture() const { return picture_; }

    void OnClimate() { surroundings_.OnClimate(); }
    void OnLayer(int layer) { layers_.OnLayer(layer); }

protected:
    bool Validate() override;

private:
    QGroupBox* criterionBox();
    QGroupBox* kindBox();
    QGroupBox* sizeBox();
    QGroupBox* temperatureBox();
    QGroupBox* flowBox();
    QGroupBox* extraBox();
    void fillClasses();
    void onKindChanged();
    void onFlowUnitChanged(int id);
    // The kind and criterion the radio buttons show.
    ObjectKind shownKind() const;
    Criterion shownCriterion() const;
    void updateStates();
    void updatePicture();
    void storeChoices();

    Values values_;
    FieldRows rows_;
    LayersGroup layers_;
    SurroundingsGroup surroundings_;
    CladdingGroup cladding_;
    PipeGroup pipe_;
    EnergyGroup energy_;
    std::optional<FittingsGroup> fittings_; // made where the dialog lays it out
    platform::PictureRef picture_;
    FlowUnit shownFlowUnit_ = FlowUnit::CubicMetresPerHour;

    QButtonGroup* criteria_;
    QButtonGroup* kinds_;
    QButtonGroup* orientations_;
    QButtonGroup* flowUnits_;
    QComboBox* classBox_;
    QLabel* classNote_;
    QLabel* flowGroupLabel_;
    QCheckBox* supports_;
    QCheckBox* energyCalc_;
    QLabel* pictureLabel_;
};

// The editor of CVarmeTapModul: on OK the module takes the values and calculates.
bool EditHeatLoss(CItem& item, QWidget* parent);
