#pragma once

#include "CItemDlg.h"

class QCheckBox;
class QLabel;

// "Om Tekvar®": name, version, where the program's files come from, and the
// two start-up dialogs switched on or off.
class CAboutDlg : public CItemDlg {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static constexpr const char* version = "4.01";

    QCheckBox* WelcomeBox() const { return welcome_; }
    QCheckBox* GettingStartedBox() const { return gettingStarted_; }
    QLabel* Information() const { return information_; }

protected:
    bool Validate() override;

private:
    QCheckBox* welcome_ = nullptr;
    QCheckBox* gettingStarted_ = nullptr;
    QLabel* information_ = nullptr;
};
