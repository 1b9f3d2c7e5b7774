#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "modules/ExternalCondensationInput.h"
#include "platform/Canvas.h"

class CItem;
class CMantling;
class CRordimensjon;
class CRormaterial;
class CUtvendigKondensModul;
class QButtonGroup;
class QLabel;
class QScrollBar;

// "Isolering mot utvändig kondens", the external condensation module's
// input. It works on a copy of the module's input and the catalogue items
// it uses; OK hands the copy back once every check has passed.
class CUtvendigKondensDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : ExternalCondensationInput {
        CMantling* outerCladding = nullptr;
        CMantling* innerCladding = nullptr;
        CRormaterial* pipeMaterial = nullptr;
        const CRordimensjon* pipeDimension = nullptr;
    };

    static Values ValuesOf(const CUtvendigKondensModul& module);
    // The module takes the values over and refers to the chosen catalogue
    // items; it does not calculate.
    static void TakeValues(CUtvendigKondensModul& module, Values& values);

    explicit CUtvendigKondensDlg(Values values, QWidget* parent = nullptr);
    ~CUtvendigKondensDlg() override;

    Values& Result() { return values_; }
    const platform::PictureRef& Picture() const { return picture_; }

protected:
    bool Validate() override;

private:
    QGroupBox* kindBox();
    QGroupBox* mediumBox();
    QGroupBox* sizeBox();
    void addAirRows();
    void onKindChanged();
    void updateStates();
    void updatePicture();
    void storeChoices();

    Values values_;
    FieldRows rows_;
    LayersGroup insulation_;
    SurroundingsGroup surroundings_;
    CladdingGroup cladding_;
    PipeGroup pipe_;
    platform::PictureRef picture_;
    int shownKind_ = 0;

    QButtonGroup* kinds_;
    QButtonGroup* orientations_;
    QScrollBar* humidityBar_;
    QLabel* pictureLabel_;
};

// The editor of CUtvendigKondensModul: on OK the module takes the values and calculates.
bool EditExternalCondensation(CItem& item, QWidget* parent);
