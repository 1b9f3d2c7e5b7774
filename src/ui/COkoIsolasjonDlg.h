#pragma once

#include "CFieldDlg.h"
#include "DialogGroups.h"

#include <vector>

class CEgendefIsoProdukt;
class CIsoProdukt;
class CItem;
class CMantling;
class COkonomiIsolasjon;
class QComboBox;
class QPushButton;
class QRadioButton;

// "Ekonomisk isolering - Isolerval": one alternative of the economy module,
// a maker's or a user's product with its thickness, the surface over it and
// the installed cost, typed or taken from the cost list. Only products meant
// for the alternative's object kind are offered; the text it makes must be
// new among the other alternatives.
class COkoIsolasjonDlg : public CFieldDlg {
    Q_OBJECT

public:
    COkoIsolasjonDlg(const COkonomiIsolasjon& alternative, std::vector<const COkonomiIsolasjon*> others,
                     QWidget* parent = nullptr);
    ~COkoIsolasjonDlg() override;

    // Every field, the catalogue items and the name; valid after OK.
    void CopyTo(COkonomiIsolasjon& alternative) const;

    void OnEditProducts();
    void OnCostData();

protected:
    bool Validate() override;

private:
    QGroupBox* productBox(bool user);
    QGroupBox* costBox();
    void fillUserProducts(const std::string& chosenName);
    void fillThicknesses(QComboBox* box, const CIsoProdukt* product);
    CIsoProdukt* chosenProduct() const;
    void updateStates();

    int objectKind_;
    std::vector<const COkonomiIsolasjon*> others_;
    // What the rows and the cladding group edit.
    bool emissivityTyped_;
    CMantling* outerCladding_;
    bool innerUsed_;
    CMantling* innerCladding_;
    float emissivity_;
    float cost_;
    float makerThickness_;
    float userThickness_;

    NumberRow emissivityRow_;
    NumberRow costRow_;
    CladdingGroup cladding_;
    QRadioButton* makerSource_;
    QRadioButton* userSource_;
    ItemChoice<CIsoProdukt> makerProducts_;
    ItemChoice<CEgendefIsoProdukt> userProducts_;
    QComboBox* makerThicknessBox_;
    QComboBox* userThicknessBox_;
    QPushButton* editProducts_;
    QPushButton* costData_;
    std::vector<QWidget*> makerGroup_;
    std::vector<QWidget*> userGroup_;
};

// Edits an alternative against the other alternatives of the list it stands in.
bool EditEconomyAlternative(COkonomiIsolasjon& alternative, std::vector<const COkonomiIsolasjon*> others,
                            QWidget* parent);
// The editor of COkonomiIsolasjon, for an alternative on its own.
bool EditEconomyAlternative(CItem& item, QWidget* parent);
