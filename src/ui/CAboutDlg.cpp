#include "CAboutDlg.h"

#include "HelpWindow.h"
#include "ShellPictures.h"
#include "StartupSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : CItemDlg("::/html/contents.htm", parent)
{
    setWindowTitle(QString::fromUtf8("Om Tekvar®"));

    auto* emblem = new QLabel(this);
    emblem->setPixmap(QPixmap::fromImage(PipeEmblem(QSize(64, 64))));
    auto* name = new QLabel(QString::fromUtf8("<b><big>Tekvar®</big></b><br>Version %1").arg(QLatin1String(version)), this);

    // Where this copy finds its files: the data files in the folder it was
    // started in, the help where FindHelpFolder looks.
    information_ = new QLabel(
        QString::fromUtf8("Beräkningsprogram för teknisk isolering: värmeförlust, temperaturändring, "
                          "kondensering, frostskydd, ljuddämpning och ekonomisk isolering.<br><br>"
                          "Version %1, byggd med Qt %2.<br>"
                          "Licens: ingen licens är angiven för denna version.<br>"
                          "Datafiler (tekvar.dat, tekvar.ort, tekvar.cst, tekvar.ama): mappen programmet startas i, "
                          "nu %3. Databasens värden bygger på tillverkarnas deklarerade värden; varje post anger "
                          "sin källa.<br>"
                          "Hjälp: %4.")
            .arg(QLatin1String(version), QLatin1String(qVersion()), QDir::currentPath().toHtmlEscaped(),
                 FindHelpFolder().toHtmlEscaped()),
        this);
    information_->setWordWrap(true);
    information_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    information_->setMinimumWidth(420);
    information_->setFrameShape(QFrame::StyledPanel);
    information_->setMargin(6);

    welcome_ = new QCheckBox(QString::fromUtf8("Visa dialogruta med välkomstbild vid uppstart"), this);
    welcome_->setChecked(startup::IsOn(startup::welcomeKey));
    gettingStarted_ = new QCheckBox(QString::fromUtf8("Visa dialogruta med hjälp vid uppstart/nytt dokument"), this);
    gettingStarted_->setChecked(startup::IsOn(startup::gettingStartedKey));

    auto* layout = new QGridLayout(this);
    layout->addWidget(emblem, 0, 0);
    layout->addWidget(name, 0, 1);
    layout->addWidget(information_, 1, 0, 1, 2);
    layout->addWidget(welcome_, 2, 0, 1, 2);
    layout->addWidget(gettingStarted_, 3, 0, 1, 2);
    layout->addWidget(CreateButtonBox(), 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CAboutDlg::Validate()
{
    startup::Set(startup::welcomeKey, welcome_->isChecked());
    startup::Set(startup::gettingStartedKey, gettingStarted_->isChecked());
    return true;
}
