#pragma once

#include "doc/ItemList.h"
#include "thermal/Choices.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CIsolasjon;
class CMantling;
class CRordimensjon;
class CRormaterial;
class CTilleggsutstyr;
class NumberRow;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

// The groups of controls that several module dialogs share. Each binds to
// the members of the dialog's copy of the input that it edits, lays out its
// controls, keeps their states, and stores its choices on OK; the number
// rows it uses are the dialog's own (declared with the module's fields), so
// the dialog's exchange order stays its own. `changed` is called after every
// change that may change other controls' states.

QRadioButton* AddRadio(QWidget* parent, const char* text, const char* name, QButtonGroup* group, int id);
QCheckBox* AddCheck(QWidget* parent, const char* text, const char* name, bool checked);
QComboBox* AddChoice(QWidget* parent, const char* name);
QPushButton* AddPush(QWidget* parent, const char* text, const char* name);
int CurrentLine(const QComboBox* box);
// "Orientering": the radio buttons "Horisontal" (0) and "Vertikal" (1) made
// into `group`, the stored orientation checked; a click calls `changed`.
QGroupBox* OrientationBox(QWidget* dialog, QButtonGroup*& group, int orientation, std::function<void()> changed);

// Shows the names in the box and selects line `current` (none for -1).
void FillNames(QComboBox* box, const std::vector<std::string>& names, int current);

// A combo box of catalogue items: the box shows their names, the choice
// keeps the items, so a line never carries a pointer.
template <class T>
class ItemChoice {
public:
    ItemChoice(QWidget* parent, const char* name) : box_(AddChoice(parent, name)) {}

    QComboBox* Box() const { return box_; }
    // The items in their order; `current` is selected, none when absent.
    template <class Items>
    void Fill(const Items& items, const T* current)
    {
        items_.assign(items.begin(), items.end());
        std::vector<std::string> names;
        int selected = -1;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            names.push_back(items_[i]->name);
            if (items_[i] == current)
                selected = int(i);
        }
        FillNames(box_, names, selected);
    }
    T* Chosen() const
    {
        const int i = CurrentLine(box_);
        return i >= 0 && i < int(items_.size()) ? items_[std::size_t(i)] : nullptr;
    }

private:
    QComboBox* box_;
    std::vector<T*> items_;
};

// "Omgivning": indoors, outdoors with the wind speed and "Ortsdata...", or a
// given outer coefficient. "Ortsdata..." writes the location's annual mean
// temperature into the ambient row and its wind speed into the wind row.
class SurroundingsGroup {
public:
    SurroundingsGroup(QWidget* dialog, Surroundings& surroundings, NumberRow& windSpeed, NumberRow& coefficient,
                      NumberRow& ambientTemp, std::function<void()> changed);

    QGroupBox* Box() const { return box_; }
    // For dialogs that have the ambient temperature among the surroundings:
    // its row under the others.
    void PlaceAmbientRow();
    Surroundings Chosen() const;
    void UpdateStates();
    void Store();
    void OnClimate();

private:
    Surroundings& surroundings_;
    NumberRow& windSpeed_;
    NumberRow& coefficient_;
    NumberRow& ambientTemp_;
    QGroupBox* box_;
    QButtonGroup* buttons_;
    QPushButton* climate_;
};

// "Utvändig ytbeklädnad (ytskikt)": a cladding from the database or a typed
// emissivity; choosing a cladding shows its emissivity. Objects insulated
// inside take their surface from another list and may have an inner cladding.
// The cladding group's caption and the two choices' texts; a dialog may
// word them its own way.
struct CladdingTexts {
    const char* caption = "Utvändig ytbeklädnad (ytskikt)";
    const char* fromDatabase = "Val från databas";
    const char* typed = "Egendef. emissivitet:";
    // With a label of its own the emissivity stands under the typed choice
    // instead of beside it.
    const char* emissivityLabel = nullptr;
};

class CladdingGroup {
public:
    CladdingGroup(QWidget* dialog, bool& emissivityTyped, CMantling*& outer, NumberRow& emissivity,
                  std::function<void()> changed, const CladdingTexts& texts = CladdingTexts{});
    // The inner cladding ("Invändig ytbeklädnad"), for dialogs that offer it.
    void AddInner(bool& used, CMantling*& inner);

    QGroupBox* Box() const { return box_; }
    // The outer list for objects insulated inside, or the ordinary one.
    void SetInsideList(bool inside);
    void UpdateStates(bool insideInsulated);
    void Store();

private:
    void fillOuter();

    QWidget* dialog_;
    bool& typed_;
    CMantling*& outer_;
    NumberRow& emissivity_;
    bool* innerUsed_ = nullptr;
    CMantling** inner_ = nullptr;
    bool insideList_ = false;
    QGroupBox* box_;
    QGridLayout* grid_;
    QButtonGroup* choice_;
    ItemChoice<CMantling> cladding_;
    QCheckBox* innerUsedBox_ = nullptr;
    std::unique_ptr<ItemChoice<CMantling>> innerCladding_;
};

// The pipe of a module: "Rörmaterial:", "Rördimension:" or an own dimension
// with its diameter and wall, and the bare pipe's emissivity, which choosing
// a material fills in.
class PipeGroup {
public:
    PipeGroup(QWidget* dialog, CRormaterial*& material, const CRordimensjon*& dimension, bool& ownDimension,
              NumberRow& outerDiameter, NumberRow& wall, NumberRow& bareEmissivity, std::function<void()> changed);

    // Material, dimension, own-dimension check, diameter and wall in five
    // grid rows from `row`; the dialog places the bare emissivity row.
    void PlaceIn(QGridLayout* grid, int row);
    void UpdateStates(bool isPipe);
    void Store();

private:
    void fillDimensions();
    void onMaterialChosen();
    void onDimensionChosen();

    QWidget* dialog_;
    CRormaterial*& material_;
    const CRordimensjon*& dimension_;
    bool& ownDimension_;
    NumberRow& outerDiameter_;
    NumberRow& wall_;
    NumberRow& bareEmissivity_;
    ItemChoice<CRormaterial> materialBox_;
    ItemChoice<CRordimensjon> dimensionBox_;
    QCheckBox* ownBox_;
    QLabel* materialLabel_;
    QLabel* dimensionLabel_;
};

// "Isolering": the buttons "Isolering lag 1" and (optionally) "Isolering lag
// 2" with the layers' summaries, and the check "2-lags isolering".
class LayersGroup {
public:
    LayersGroup(QWidget* dialog, CIsolasjon& layer1, std::function<void()> changed);
    void AddSecondLayer(CIsolasjon& layer2, bool& twoLayers);

    QGroupBox* Box() const { return box_; }
    // Another text on the first layer's button ("Välj isolerprodukt").
    void SetFirstButtonText(const QString& text);
    bool TwoLayersChecked() const;
    // The products offered follow the object kind.
    void SetObjectKind(int kind);
    // twoLayersOffered: the check; the second layer when it is also checked.
    void UpdateStates(bool twoLayersOffered, bool withThickness);
    void Store();
    void OnLayer(int layer);

private:
    QWidget* dialog_;
    CIsolasjon& layer1_;
    CIsolasjon* layer2_ = nullptr;
    bool* twoLayers_ = nullptr;
    std::function<void()> changed_;
    bool withThickness_ = true;
    QGroupBox* box_;
    QGridLayout* grid_;
    QCheckBox* twoLayersBox_ = nullptr;
    QPushButton* layer1Button_;
    QPushButton* layer2Button_ = nullptr;
    QLabel* summary1_;
    QLabel* summary2_ = nullptr;
};

// The energy rows: operating hours, energy price and CO2 factor.
class EnergyGroup {
public:
    EnergyGroup(NumberRow& hours, NumberRow& price, NumberRow& co2);
    // Hours and price only, for dialogs without the CO2 factor.
    EnergyGroup(NumberRow& hours, NumberRow& price);
    void PlaceIn(QGridLayout* grid, int row);
    void UpdateStates(bool hoursUsed, bool costUsed);

private:
    NumberRow& hours_;
    NumberRow& price_;
    NumberRow* co2_ = nullptr;
};

// The line a list's update or remove acts on: the selected one, else the
// first (which it then selects); -1 after "Listan är tom!" when the list
// holds none of its `count` entries.
int LineActedOn(QListWidget* list, std::size_t count);
// Asks ""%1" raderas nu!" about the entry; true on OK.
bool ConfirmRemoval(const std::string& name);

// The fittings of a pipe: the check box that uses them, their list and the
// buttons to add, update and remove one (a double click updates). It edits
// the dialog's copy of the list.
class FittingsGroup {
public:
    enum class NewGoes { Last, AfterSelected };
    FittingsGroup(QWidget* dialog, const char* checkText, const char* checkName, bool used,
                  ItemList<CTilleggsutstyr>& fittings, NewGoes newGoes);

    QCheckBox* Check() const { return check_; }
    bool Used() const;
    // The check box, then the list beside its three buttons: four grid rows
    // from `row`, two columns.
    void PlaceIn(QGridLayout* grid, int row);
    // The check box while fittings are possible; the list and its buttons
    // while they are also ticked.
    void UpdateStates(bool possible);

private:
    void onNew();
    void onUpdate();
    void onRemove();

    QWidget* dialog_;
    ItemList<CTilleggsutstyr>& fittings_;
    NewGoes newGoes_;
    QCheckBox* check_;
    QListWidget* list_;
    QPushButton* new_;
    QPushButton* update_;
    QPushButton* remove_;
};
