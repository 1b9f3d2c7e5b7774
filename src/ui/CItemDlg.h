#pragma once

#include <QDialog>

#include <string>
#include <vector>

class CListItem;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The base of the item editors and the module input dialogs. It knows its
// help topic (the Help button and F1 open it) and offers the checks a dialog
// makes before it closes: each shows its message, puts the focus on the
// offending field and keeps the dialog open.
class CItemDlg : public QDialog {
    Q_OBJECT

public:
    explicit CItemDlg(std::string helpTopic, QWidget* parent = nullptr);

    const std::string& HelpTopic() const { return helpTopic_; }

    // OK closes the dialog only when Validate agrees.
    void accept() override;

public slots:
    void ShowHelp();

protected:
    // The fields' checks in their fixed order; false keeps the dialog open.
    virtual bool Validate() { return true; }

    // "OK", "Avbryt" and "Hjälp", wired to accept, reject and the help topic.
    QDialogButtonBox* CreateButtonBox();

    // The layout of the list dialogs: the list beside its buttons "new",
    // "update" and "delete" (with these captions) over a hint, and the
    // button box below. A double click on a line is OK. The caller connects
    // the buttons.
    struct ListButtons {
        QPushButton* add;
        QPushButton* update;
        QPushButton* remove;
    };
    ListButtons LayOutList(QTreeWidget* list, const char* newCaption, const char* updateCaption,
                           const char* deleteCaption, const char* hint);

    bool ValidateName(QLineEdit* field, const std::vector<const CListItem*>& others);
    bool CheckRange(QWidget* field, int fieldNameId, float value, float min, float max);
    // Reads a number typed with a decimal point or a decimal comma; anything
    // else shows "Skriv in ett tal.".
    bool ReadNumber(QLineEdit* field, float& value);

    void keyPressEvent(QKeyEvent* event) override;

private:
    void refuse(QWidget* field);

    std::string helpTopic_;
};
