#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "modules/FrostInput.h"
#include "platform/Canvas.h"

class CFrostModul;
class CItem;
class CMantling;
class CRordimensjon;
class CRormaterial;
class QButtonGroup;
class QLabel;
class QScrollBar;

// "Frysskydd/temperaturhöjning rör", the frost protection module's input.
// It works on a copy of the module's input and the catalogue items it uses;
// OK hands the copy back once every check has passed.
class CFrostDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : FrostInput {
        CMantling* cladding = nullptr;
        CRormaterial* pipeMaterial = nullptr;
        const CRordimensjon* pipeDimension = nullptr;
    };

    static Values ValuesOf(const CFrostModul& module);
    // The module takes the values over and refers to the chosen catalogue
    // items; it does not calculate.
    static void TakeValues(CFrostModul& module, Values& values);

    explicit CFrostDlg(Values values, QWidget* parent = nullptr);
    ~CFrostDlg() override;

    // The edited values; complete after OK.
    Values& Result() { return values_; }
    const platform::PictureRef& Picture() const { return picture_; }

protected:
    bool Validate() override;

private:
    QGroupBox* modeBox();
    QGroupBox* pipeBox();
    QGroupBox* otherBox();
    void onModeChosen(int mode);
    void onFractionTyped();
    void updateStates();
    void updatePicture();

    Values values_;
    FieldRows rows_;
    LayersGroup layers_;
    CladdingGroup cladding_;
    PipeGroup pipe_;
    SurroundingsGroup surroundings_;
    platform::PictureRef picture_;

    QButtonGroup* modes_;
    QButtonGroup* orientations_;
    QLabel* frostText_;
    QLabel* riseText_;
    QScrollBar* fractionBar_;
    QLabel* pictureLabel_;
};

// The editor of CFrostModul: on OK the module takes the values and calculates.
bool EditFrost(CItem& item, QWidget* parent);
