#pragma once

#include "CFieldDlg.h"
#include "modules/CIsolasjon.h"
#include "modules/CTilleggsutstyr.h"
#include "doc/ItemList.h"
#include "platform/Canvas.h"

#include <map>

class CItem;
class CMantling;
class CRordimensjon;
class CRormaterial;
class CVarmeTapModul;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Varmeförlustberäkning", the heat loss module's input. It works on a copy
// of the module's values, its two layers and its fittings; OK hands the
// copy back once every check has passed.
class CVarmetapDlg : public CFieldDlg {
    Q_OBJECT

public:
    struct Values {
        int criterion = 0;
        int objectKind = 0;
        float mediumTemp = 0, ambientTemp = 0, givenSurfaceTemp = 0;
        float diameter = 0, width = 0, height = 0, length = 0, area = 0;
        bool twoLayers = false;
        CIsolasjon layer1{0, true};
        CIsolasjon layer2{0, true};
        int surroundings = 0;
        float windSpeed = 0, givenCoefficient = 0;
        bool emissivityTyped = false;
        CMantling* outerCladding = nullptr;
        float typedEmissivity = 0;
        bool innerCladdingUsed = false;
        CMantling* innerCladding = nullptr;
        bool fittingsUsed = false;
        ItemList<CTilleggsutstyr> fittings;
        float operatingHours = 0, energyPrice = 0;
        bool energyCalc = false;
        float givenHeatLoss = 0, co2Factor = 0;
        int flowUnit = 0;
        float flow = 0;
        int orientation = 0;
        bool supports = false;
        float bareEmissivity = 0, spillFactor = 0;
        int givenClass = 0;
        CRormaterial* pipeMaterial = nullptr;
        const CRordimensjon* pipeDimension = nullptr;
        bool ownDimension = false;
        float pipeOuterDiameter = 0, pipeWall = 0;
    };

    // The module's values, its layers and a copy of its fittings.
    static Values ValuesOf(const CVarmeTapModul& module);
    // The module takes the values over, refers to the chosen catalogue items
    // and takes the fitting list; it does not calculate.
    static void TakeValues(CVarmeTapModul& module, Values& values);

    explicit CVarmetapDlg(Values values, QWidget* parent = nullptr);

    // The edited values; complete after OK.
    Values& Result() { return values_; }

    // The picture of the object: the layer-1 catalogue product's picture for
    // the kind and orientation, else the program's own.
    static platform::PictureRef PictureFor(const CIsolasjon& layer1, int objectKind, bool vertical);
    const platform::PictureRef& Picture() const { return picture_; }

    // The field text of a converted flow: fewer decimals the larger it is.
    static QString FlowText(float flow);

    void OnNewFitting();
    void OnUpdateFitting();
    void OnRemoveFitting();
    void OnClimate();
    void OnLayer(int layer);

protected:
    bool Validate() override;

private:
    QLineEdit* field(const char* name, const char* format, float value);
    QRadioButton* radio(const char* text, const char* name, QButtonGroup* group, int id);
    QCheckBox* check(const char* text, const char* name, bool checked);
    QComboBox* choice(const char* name);
    QPushButton* push(const char* text, const char* name);
    void labelled(QWidget* field, QLabel* label) { labels_[field] = label; }
    void enable(QWidget* widget, bool on);

    void fillCladdings();
    void fillDimensions();
    void fillClasses();
    void onKindChanged();
    void onFlowUnitChanged(int unit);
    void onMaterialChosen();
    void onDimensionChosen();
    void onCladdingChosen();
    void updateStates();
    void updateSummaries();
    void updatePicture();
    float fieldValue(QLineEdit* field, float otherwise) const;
    float innerInsulationThickness() const;
    bool exchangeFields();
    void collectChoices();
    bool askWarning(int textId);
    // The row of the fitting to update or remove; -1 after "Listan är tom!".
    int selectedFitting();

    Values values_;
    platform::PictureRef picture_;
    int shownFlowUnit_ = 0;
    bool insideCladdings_ = false;
    std::map<QWidget*, QLabel*> labels_;

    QButtonGroup* criteria_;
    QButtonGroup* kinds_;
    QButtonGroup* orientations_;
    QButtonGroup* surroundings_;
    QButtonGroup* emissivityChoice_;
    QButtonGroup* flowUnits_;
    QComboBox* classBox_;
    QLabel* classNote_;
    QLineEdit* mediumTemp_;
    QLineEdit* ambientTemp_;
    QLineEdit* surfaceTemp_;
    QLineEdit* heatLoss_;
    QLabel* heatLossLabel_;
    QLineEdit* spillFactor_;
    QLineEdit* diameter_;
    QLineEdit* height_;
    QLineEdit* width_;
    QLineEdit* length_;
    QLineEdit* area_;
    QComboBox* material_;
    QComboBox* dimension_;
    QCheckBox* ownDimension_;
    QLineEdit* pipeDiameter_;
    QLineEdit* pipeWall_;
    QLineEdit* bareEmissivity_;
    QCheckBox* twoLayers_;
    QPushButton* layer1_;
    QPushButton* layer2_;
    QLabel* layer1Summary_;
    QLabel* layer2Summary_;
    QLineEdit* windSpeed_;
    QPushButton* climate_;
    QLineEdit* coefficient_;
    QComboBox* cladding_;
    QLineEdit* emissivity_;
    QCheckBox* innerCladdingUsed_;
    QComboBox* innerCladding_;
    QLabel* flowGroupLabel_;
    QLineEdit* flow_;
    QLabel* flowLabel_;
    QCheckBox* fittingsUsed_;
    QListWidget* fittings_;
    QPushButton* newFitting_;
    QPushButton* updateFitting_;
    QPushButton* removeFitting_;
    QCheckBox* supports_;
    QCheckBox* energyCalc_;
    QLineEdit* hours_;
    QLineEdit* price_;
    QLineEdit* co2_;
    QLabel* pictureLabel_;
};

// The editor of CVarmeTapModul: on OK the module takes the values and calculates.
bool EditHeatLoss(CItem& item, QWidget* parent);
