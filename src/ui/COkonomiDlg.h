#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "doc/ItemList.h"
#include "modules/COkonomiIsolasjon.h"
#include "modules/EconomyInput.h"
#include "platform/Canvas.h"

class CItem;
class COkonomiModul;
class CRordimensjon;
class CRormaterial;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;

// "Ekonomisk isolering", the economy module's input: the object, its
// temperatures and surroundings, the economic data and the list of up to 25
// insulation alternatives. It works on a copy of the module's input and of
// its alternatives; OK hands the copy back once every check has passed.
class COkonomiDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : EconomyInput {
        CRormaterial* pipeMaterial = nullptr;
        const CRordimensjon* pipeDimension = nullptr;
        ItemList<COkonomiIsolasjon> alternatives;
    };

    // The module's input, its pipe and a copy of its alternatives.
    static Values ValuesOf(const COkonomiModul& module);
    // The module takes the values over, refers to the chosen pipe and takes
    // the alternatives; it does not calculate.
    static void TakeValues(COkonomiModul& module, Values& values);

    explicit COkonomiDlg(Values values, QWidget* parent = nullptr);
    ~COkonomiDlg() override;

    // The edited values; complete after OK.
    Values& Result() { return values_; }

    // The picture of the object: the alternative's maker's product picture
    // for the kind and orientation, else the program's own.
    static platform::PictureRef PictureFor(const COkonomiIsolasjon* alternative, int objectKind, bool vertical);
    const platform::PictureRef& Picture() const { return picture_; }

    void OnNewAlternative();
    void OnEditAlternative();
    void OnRemoveAlternative();
    void OnClimate() { surroundings_.OnClimate(); }

protected:
    bool Validate() override;

private:
    QGroupBox* kindBox();
    QGroupBox* sizeBox();
    QGroupBox* mediumBox();
    QGroupBox* flowBox();
    QGroupBox* economyBox();
    QGroupBox* alternativesBox();
    void onKindClicked(int kind);
    void onFlowUnitChanged(int unit);
    void updateStates();
    void updatePicture();
    void storeChoices();
    // The other alternatives, which an edited one must not repeat.
    std::vector<const COkonomiIsolasjon*> othersThan(const COkonomiIsolasjon* alternative) const;

    Values values_;
    FieldRows rows_;
    SurroundingsGroup surroundings_;
    PipeGroup pipe_;
    EnergyGroup energy_;
    platform::PictureRef picture_;
    int shownKind_ = 0;
    int shownFlowUnit_ = 0;

    QButtonGroup* kinds_;
    QButtonGroup* orientations_;
    QButtonGroup* flowUnits_;
    QLabel* flowGroupLabel_;
    QListWidget* alternatives_;
    QLabel* pictureLabel_;
};

// The editor of COkonomiModul: on OK the module takes the values and calculates.
bool EditEconomy(CItem& item, QWidget* parent);
