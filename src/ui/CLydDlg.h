#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "modules/SoundInput.h"
#include "platform/Canvas.h"

#include <memory>
#include <vector>

class CAbsorpsjon;
class CAbsorpsjonTykkelse;
class CItem;
class CLydModul;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// "Ljuddämpning", the sound attenuation module's input. It works on a copy
// of the module's input and its absorption product; OK hands the copy back
// once every check has passed.
class CLydDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : SoundInput {
        CAbsorpsjon* product = nullptr;
        CAbsorpsjonTykkelse* productThickness = nullptr;
    };

    static Values ValuesOf(const CLydModul& module);
    // The module takes the values over and refers to the chosen product and
    // thickness; it does not calculate.
    static void TakeValues(CLydModul& module, const Values& values);

    explicit CLydDlg(Values values, QWidget* parent = nullptr);
    ~CLydDlg() override;

    // The edited values; complete after OK.
    Values& Result() { return values_; }
    const platform::PictureRef& Picture() const { return picture_; }

    // A click on a duct type's button, also on the one already chosen.
    void OnType(int type);
    // The product box's choice.
    void OnProductChosen();

protected:
    bool Validate() override;

private:
    QGroupBox* typeBox();
    QGroupBox* dimensionBox();
    QGroupBox* sourceBox();
    QGroupBox* catalogueBox();
    QGroupBox* userProductBox();
    QGroupBox* factorBox();
    // The products for the duct type, by name, with `current` chosen.
    void fillProducts(int ductType, const CAbsorpsjon* current);
    void fillThicknesses(const CAbsorpsjonTykkelse* current);
    void updateStates();
    void updatePicture();
    void storeChoices();

    Values values_;
    FieldRows rows_;
    std::vector<std::unique_ptr<NumberRow>> factorRows_;
    platform::PictureRef picture_;
    int shownType_ = 0;
    // The product the box showed last, for a choice that cannot be taken.
    CAbsorpsjon* shownProduct_ = nullptr;

    QButtonGroup* types_;
    QButtonGroup* sources_;
    ItemChoice<CAbsorpsjon> products_;
    ItemChoice<CAbsorpsjonTykkelse> thicknesses_;
    QLabel* thicknessLabel_;
    QLineEdit* userProductName_;
    QGroupBox* catalogueGroup_;
    QGroupBox* userGroup_;
    QGroupBox* factorGroup_;
    QLabel* pictureLabel_;
};

// The editor of CLydModul: on OK the module takes the values and calculates.
bool EditSound(CItem& item, QWidget* parent);
