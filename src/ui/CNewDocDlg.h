#pragma once

#include "CItemDlg.h"

class QCheckBox;

// "Hur man kommer igång": three steps to a first calculation, shown after
// "&Nytt" until the user turns it off.
class CNewDocDlg : public CItemDlg {
    Q_OBJECT

public:
    explicit CNewDocDlg(QWidget* parent = nullptr);

    QCheckBox* DontShowBox() const { return dontShow_; }

protected:
    bool Validate() override;

private:
    QCheckBox* dontShow_ = nullptr;
};
