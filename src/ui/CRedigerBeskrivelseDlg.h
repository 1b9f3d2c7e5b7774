#pragma once

#include "CItemDlg.h"
#include "database/CVVSAMATekst.h"

class LimitedTextEdit;
class QLineEdit;

// "Redigera beskrivningstext": the heading and body of one description text,
// within the lengths the file's texts keep.
class CRedigerBeskrivelseDlg : public CItemDlg {
    Q_OBJECT

public:
    explicit CRedigerBeskrivelseDlg(const CVVSAMATekst& text, QWidget* parent = nullptr);

    CVVSAMATekst Text() const;
    QLineEdit* HeadingField() const { return heading_; }
    LimitedTextEdit* BodyField() const { return body_; }

private:
    QLineEdit* heading_ = nullptr;
    LimitedTextEdit* body_ = nullptr;
};
