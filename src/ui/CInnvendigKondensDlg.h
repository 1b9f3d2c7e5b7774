#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "modules/InternalCondensationInput.h"
#include "platform/Canvas.h"

class CInnvendigKondensModul;
class CItem;
class CMantling;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QScrollBar;

// "Isolering mot invändig kondens", the internal condensation module's
// input. It works on a copy of the module's input and its cladding; OK hands
// the copy back once every check has passed.
class CInnvendigKondensDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : InternalCondensationInput {
        CMantling* outerCladding = nullptr;
    };

    static Values ValuesOf(const CInnvendigKondensModul& module);
    // The module takes the values over and refers to the chosen cladding; it
    // does not calculate.
    static void TakeValues(CInnvendigKondensModul& module, Values& values);

    explicit CInnvendigKondensDlg(Values values, QWidget* parent = nullptr);
    ~CInnvendigKondensDlg() override;

    Values& Result() { return values_; }
    const platform::PictureRef& Picture() const { return picture_; }

protected:
    bool Validate() override;

private:
    QGroupBox* shapeBox();
    QGroupBox* sizeBox();
    QGroupBox* flowBox();
    QGroupBox* supportsBox();
    void addSurroundingRows();
    void onShapeChanged();
    void onFlowUnitChanged(int unit);
    void updateStates();
    void updatePicture();
    void storeChoices();

    Values values_;
    FieldRows rows_;
    LayersGroup insulation_;
    SurroundingsGroup surroundings_;
    CladdingGroup cladding_;
    platform::PictureRef picture_;
    int shownShape_ = 0;
    int shownFlowUnit_ = 0;

    QButtonGroup* shapes_;
    QButtonGroup* orientations_;
    QButtonGroup* flowUnits_;
    QScrollBar* humidityBar_;
    QCheckBox* innerGiven_;
    QCheckBox* supports_;
    QLabel* pictureLabel_;
};

// The editor of CInnvendigKondensModul: on OK the module takes the values and calculates.
bool EditInternalCondensation(CItem& item, QWidget* parent);
