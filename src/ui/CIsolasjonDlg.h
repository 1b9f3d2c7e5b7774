#pragma once

#include "CFieldDlg.h"

class CIsoProdukt;
class CIsolasjon;
class CItem;
class QComboBox;
class QPushButton;
class QRadioButton;

// "Isolering": one insulation layer, a product of the maker's catalogue or
// one of the user's own, each with its thickness. Only products meant for
// the layer's object kind are offered.
class CIsolasjonDlg : public CFieldDlg {
    Q_OBJECT

public:
    explicit CIsolasjonDlg(const CIsolasjon& layer, QWidget* parent = nullptr);

    // Source, both thicknesses and both products; valid after OK.
    void CopyTo(CIsolasjon& layer) const;

    QRadioButton* CatalogueButton() const { return catalogueSource_; }
    QRadioButton* UserButton() const { return userSource_; }
    QComboBox* CatalogueProducts() const { return catalogueProducts_; }
    QComboBox* CatalogueThickness() const { return catalogueThickness_; }
    QComboBox* UserProducts() const { return userProducts_; }
    QComboBox* UserThickness() const { return userThickness_; }
    QPushButton* EditProductsButton() const { return editProducts_; }

protected:
    bool Validate() override;

private:
    void updateStates();
    // The user's products usable for the object, the named one chosen.
    void fillUserProducts(const CIsoProdukt* chosenProduct);
    void editUserProducts();
    static void fillThicknesses(QComboBox* box, const CIsoProdukt* product);
    static CIsoProdukt* chosen(const QComboBox* box);
    static float typedThickness(const QComboBox* box, float otherwise);

    bool askThickness_;
    int objectKind_;
    QRadioButton* catalogueSource_;
    QRadioButton* userSource_;
    QComboBox* catalogueProducts_;
    QComboBox* catalogueThickness_;
    QComboBox* userProducts_;
    QComboBox* userThickness_;
    QPushButton* editProducts_;
    float catalogueValue_;
    float userValue_;
};

// The editor of CIsolasjon.
bool EditInsulationLayer(CItem& item, QWidget* parent);
