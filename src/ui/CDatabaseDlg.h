#pragma once

#include "CItemDlg.h"
#include "ListBoxController.h"
#include "database/CDataBase.h"

#include <array>

class CItem;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Databas": the nine lists of the reference database, one at a time by its
// radio button, edited on working copies. OK and Cancel ask before they keep
// or drop changes; the caller puts the copies in place after OK.
class CDatabaseDlg : public CItemDlg {
    Q_OBJECT

public:
    // The dialog edits the lists in place; they must be copies. It opens on
    // the list `shown` and leaves there the list shown last.
    CDatabaseDlg(CDataBase::Lists& working, int& shown, QWidget* parent = nullptr);

    bool IsChanged() const { return changed_; }
    int ShownList() const { return shown_; }
    void ShowList(int list);

    QListWidget* Box() const { return box_; }
    QRadioButton* ListButton(int list) const { return listButtons_[std::size_t(list)]; }
    QPushButton* NewButton() const { return newButton_; }
    QPushButton* CopyButton() const { return copyButton_; }
    QPushButton* UpdateButton() const { return updateButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }

    void accept() override;
    void reject() override;

public slots:
    void OnNew();
    void OnCopy();
    void OnUpdate();
    void OnDelete();

private:
    CDataBase::Lists& working_;
    int& shown_;
    ListBoxController controller_;
    bool changed_ = false;
    std::array<QRadioButton*, CDataBase::listCount> listButtons_{};
    QListWidget* box_;
    QPushButton* newButton_;
    QPushButton* copyButton_;
    QPushButton* updateButton_;
    QPushButton* deleteButton_;
};

// The editor of CDataBase: the dialog on the copy of the database that
// CDataBase::Edit hands over.
bool EditDatabase(CItem& item, QWidget* parent);
