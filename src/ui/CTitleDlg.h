#pragma once

#include "CItemDlg.h"

#include <QDate>

class QCheckBox;
class QLabel;

// The welcome dialog at start-up: the season's picture, a pointer to the
// help, and the box that stops it from showing again.
class CTitleDlg : public CItemDlg {
    Q_OBJECT

public:
    explicit CTitleDlg(QDate today = QDate::currentDate(), QWidget* parent = nullptr);

    QCheckBox* DontShowBox() const { return dontShow_; }
    QLabel* Picture() const { return picture_; }
    bool ShowsWinter() const { return winter_; }

protected:
    bool Validate() override;

private:
    QCheckBox* dontShow_ = nullptr;
    QLabel* picture_ = nullptr;
    bool winter_ = false;
};
