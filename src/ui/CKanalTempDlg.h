#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"
#include "doc/ItemList.h"
#include "modules/CSegment.h"
#include "modules/FlowInput.h"

class CItem;
class CKanalTempModul;
class CVeske;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

// "Temperaturändring i strömmande medie", the flowing-medium module's
// input. It works on a copy of the module's input and a deep copy of its
// sections; OK hands them back once every check has passed, Cancel leaves
// the module as it was (the next section number included).
class CKanalTempDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values : FlowInput {
        CVeske* medium = nullptr;
        ItemList<CSegment> sections;
    };

    static Values ValuesOf(const CKanalTempModul& module);
    // The module takes the values and the sections over; it does not calculate.
    static void TakeValues(CKanalTempModul& module, Values& values);

    explicit CKanalTempDlg(Values values, QWidget* parent = nullptr);
    ~CKanalTempDlg() override;

    Values& Result() { return values_; }
    int SelectedSection() const;
    // The selected section's picture, as shown beside the list.
    const platform::PictureRef& Picture() const { return picture_; }

    void OnNewSection();
    void OnCopySection();
    void OnUpdateSection();
    void OnRemoveSection();

protected:
    bool Validate() override;

private:
    QGroupBox* typeBox();
    QGroupBox* mediumBox();
    QGroupBox* sectionsBox();
    QGroupBox* optionsBox();
    void onRunTypeChanged(int type);
    void onLiquidChosen();
    void updateStates();
    void refreshSections(int selected);
    void showSelected();
    bool roomForAnother();
    std::vector<std::string> namesBut(const CSegment* section) const;
    // Opens the section dialog on the section; true on OK, with the values taken.
    bool editSection(CSegment& section, const CSegment* self);

    Values values_;
    FieldRows rows_;
    EnergyGroup energy_;
    ItemChoice<CVeske> liquids_;
    int shownRunType_ = 0;
    platform::PictureRef picture_;

    QButtonGroup* runTypes_;
    QButtonGroup* mediumSources_;
    QGroupBox* mediumGroup_;
    QListWidget* sections_;
    QLabel* description_;
    QLabel* pictureLabel_;
    QCheckBox* energyCost_;
    QCheckBox* condensation_;
    QScrollBar* humidityScroll_;
};

// The editor of CKanalTempModul: on OK the module takes the values and calculates.
bool EditFlow(CItem& item, QWidget* parent);
