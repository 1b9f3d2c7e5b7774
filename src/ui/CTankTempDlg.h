#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "modules/TankTempInput.h"
#include "platform/Canvas.h"

class CItem;
class CMantling;
class CTankTempModul;
class CVeske;
class QButtonGroup;
class QGroupBox;
class QLabel;

// "Temperatur över tid i tank", the tank temperature module's input. It
// works on a copy of the module's input and the catalogue items it uses; OK
// hands the copy back once every check has passed.
class CTankTempDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : TankTempInput {
        CMantling* cladding = nullptr;
        CVeske* liquid = nullptr;
    };

    static Values ValuesOf(const CTankTempModul& module);
    // The module takes the values over and refers to the chosen catalogue
    // items; it does not calculate.
    static void TakeValues(CTankTempModul& module, const Values& values);

    explicit CTankTempDlg(Values values, QWidget* parent = nullptr);
    ~CTankTempDlg() override;

    // The edited values; complete after OK.
    Values& Result() { return values_; }
    // The picture of the shape chosen now, as the page header shows it.
    const platform::PictureRef& Picture() const { return picture_; }

    void OnClimate() { surroundings_.OnClimate(); }
    void OnInsulation() { layers_.OnLayer(1); }

protected:
    bool Validate() override;

private:
    QGroupBox* shapeBox();
    QGroupBox* sizeBox();
    QGroupBox* mediumBox();
    QGroupBox* otherBox();
    void onLiquidChosen();
    void updateStates();
    void updatePicture();
    void storeChoices();

    Values values_;
    FieldRows rows_;
    LayersGroup layers_;
    SurroundingsGroup surroundings_;
    CladdingGroup cladding_;
    ItemChoice<CVeske> liquids_;
    platform::PictureRef picture_;

    QButtonGroup* shapes_;
    QButtonGroup* mediumSources_;
    QButtonGroup* timeChoice_;
    QLabel* pictureLabel_;
};

// The editor of CTankTempModul: on OK the module takes the values and calculates.
bool EditTankTemp(CItem& item, QWidget* parent);
