#include "CTitleDlg.h"

#include "ShellPictures.h"
#include "StartupSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

CTitleDlg::CTitleDlg(QDate today, QWidget* parent) : CItemDlg("::/html/contents.htm", parent)
{
    setWindowTitle(QString::fromUtf8("Välkommen till Tekvar®"));
    const Season season = SeasonOfMonth(today.month());
    winter_ = season == Season::winter;

    picture_ = new QLabel(this);
    picture_->setPixmap(QPixmap::fromImage(LandscapePicture(season, QSize(480, 280))));
    auto* hint = new QLabel(QString::fromUtf8("Tryck på knappen \"Hjälp\" för en introduktion i användning av programmet."),
                            this);
    hint->setWordWrap(true);
    dontShow_ = new QCheckBox(QString::fromUtf8("Visa inte denna dialogbox vid uppstart"), this);

    QDialogButtonBox* buttons = CreateButtonBox();
    // Nothing to cancel: the box is the only choice.
    buttons->button(QDialogButtonBox::Cancel)->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_);
    layout->addWidget(hint);
    layout->addWidget(dontShow_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CTitleDlg::Validate()
{
    startup::Set(startup::welcomeKey, !dontShow_->isChecked());
    return true;
}
