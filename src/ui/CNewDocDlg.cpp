#include "CNewDocDlg.h"

#include "ShellPictures.h"
#include "StartupSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

CNewDocDlg::CNewDocDlg(QWidget* parent) : CItemDlg("::/html/contents.htm", parent)
{
    setWindowTitle(QString::fromUtf8("Hur man kommer igång"));

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(PipeEmblem(QSize(96, 96))));
    picture->setAlignment(Qt::AlignTop);
    const char* const steps[] = {
        "1. När du startar en ny beräkning väljer du först typ av beräkning genom att klicka på en av flikarna.",
        "2. Därefter klickar du på \"Redigera indatavärden\" för att lägga in data för beräkningen.",
        "3. Generell information om programmet och dess funktioner hittar man genom att använda \"Öppna "
        "hjälpfönstret\" knappen.",
    };
    dontShow_ = new QCheckBox(QString::fromUtf8("Visa inte denna dialogbox vid uppstart/starta ny beräkning."), this);
    dontShow_->setChecked(!startup::IsOn(startup::gettingStartedKey));

    QDialogButtonBox* buttons = CreateButtonBox();
    buttons->button(QDialogButtonBox::Cancel)->hide();

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 3, 1);
    int row = 0;
    for (const char* step : steps) {
        auto* line = new QLabel(QString::fromUtf8(step), this);
        line->setWordWrap(true);
        line->setMinimumWidth(380);
        layout->addWidget(line, row++, 1);
    }
    layout->addWidget(dontShow_, row++, 0, 1, 2);
    layout->addWidget(buttons, row, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CNewDocDlg::Validate()
{
    startup::Set(startup::gettingStartedKey, !dontShow_->isChecked());
    return true;
}
