#pragma once

#include "CItemDlg.h"
#include "ListBoxController.h"
#include "database/CIsoTykkelse.h"
#include "doc/ItemList.h"

#include <QString>
#include <QWidget>

class CItem;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Std. isolertjocklek": one standard thickness of a product. Its name is
// the thickness with one decimal, so a thickness that prints like one
// already in the product's list is refused as a name already used.
class CIsoTykkelseDlg : public CItemDlg {
    Q_OBJECT

public:
    static constexpr float minThickness = 0.5f;
    static constexpr float maxThickness = 1500.0f;

    // others: the product's other thicknesses.
    CIsoTykkelseDlg(const ItemList<CIsoTykkelse>& others, QWidget* parent = nullptr);

    void setThickness(float mm);
    // The thickness of the last accepted OK.
    float thickness() const { return thickness_; }

    QLineEdit* ThicknessField() const { return field_; }

    // While a product editor is open, its working list of thicknesses is the
    // one new and changed thicknesses are checked against.
    class WorkingListScope {
    public:
        explicit WorkingListScope(const ItemList<CIsoTykkelse>& list);
        ~WorkingListScope();
        WorkingListScope(const WorkingListScope&) = delete;
        WorkingListScope& operator=(const WorkingListScope&) = delete;

    private:
        const ItemList<CIsoTykkelse>* outer_;
    };
    static const ItemList<CIsoTykkelse>& WorkingList();

protected:
    bool Validate() override;

private:
    const ItemList<CIsoTykkelse>& others_;
    QLineEdit* field_;
    float thickness_ = 25.0f;
};

// The editor of CIsoTykkelse: the dialog on the thickness, checked against
// the working list of the product being edited.
bool EditIsoTykkelse(CItem& item, QWidget* parent);

// "Standard tjocklekar [mm]" of a product editor: the working copy of the
// product's thicknesses, kept ascending, with "Ny tjocklek...", "Uppdatera
// tjocklek..." (also a double click) and "Ta bort tjocklek...".
class ThicknessListPanel : public QWidget {
    Q_OBJECT

public:
    // Works on a copy of the thicknesses; the product takes it over on OK.
    ThicknessListPanel(const ItemList<CIsoTykkelse>& thicknesses, QWidget* parent = nullptr);

    ItemList<CIsoTykkelse>& Thicknesses() { return working_; }
    QListWidget* Box() const { return box_; }
    QPushButton* NewButton() const { return newButton_; }
    QPushButton* UpdateButton() const { return updateButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }

    // The checks of the product editors' OK, in their order: at least one
    // thickness, none below the minimum, none above the maximum.
    bool Check(float minThickness, float maxThickness);

public slots:
    void OnNew();
    void OnUpdate();
    void OnDelete();

private:
    ItemList<CIsoTykkelse> working_;
    ListBoxController controller_;
    QListWidget* box_;
    QPushButton* newButton_;
    QPushButton* updateButton_;
    QPushButton* deleteButton_;
};

// Number fields the way the dialogs of the products check them: a number in
// [min, max], else "Skriv in ett tal." or "Skriv in ett tal mellan %1 och %2."
// with the focus on the field.
namespace ProductFields {

// The number shown as the program shows a float in a field.
QString Show(float value);
bool Read(QLineEdit* field, float min, float max, float& value);
// While the user types: the field's number when it reads as one within
// [min, max]; otherwise the value stays, without a word.
void TakeTyped(const QLineEdit* field, float min, float max, float& value);

} // namespace ProductFields
