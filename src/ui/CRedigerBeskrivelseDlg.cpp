#include "CRedigerBeskrivelseDlg.h"

#include "LimitedTextEdit.h"
#include "QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CRedigerBeskrivelseDlg::CRedigerBeskrivelseDlg(const CVVSAMATekst& text, QWidget* parent)
    : CItemDlg("::/html/vvsamadlg.htm", parent)
{
    setWindowTitle(QStringLiteral("Redigera beskrivningstext"));
    heading_ = new QLineEdit(this);
    heading_->setMaxLength(int(CVVSAMATekst::maxHeading));
    heading_->setText(ToQString(text.heading));
    body_ = new LimitedTextEdit(int(CVVSAMATekst::maxBody), this);
    body_->SetText(text.body);
    body_->setMinimumSize(560, 300);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Rubrik:"), this));
    layout->addWidget(heading_);
    layout->addWidget(new QLabel(QStringLiteral("Text:"), this));
    layout->addWidget(body_, 1);
    layout->addWidget(CreateButtonBox());
}

CVVSAMATekst CRedigerBeskrivelseDlg::Text() const
{
    return {ToStdString(heading_->text()), body_->Text()};
}
