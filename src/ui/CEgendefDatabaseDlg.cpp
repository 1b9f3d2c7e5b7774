#include "CEgendefDatabaseDlg.h"

#include "database/CEgendefDatabase.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int inUseMessage = 61211;

} // namespace

CEgendefDatabaseDlg::CEgendefDatabaseDlg(ItemList<CEgendefIsoProdukt>& working, QWidget* parent)
    : CItemDlg("::/html/egendefdatabase.htm", parent), working_(working)
{
    setWindowTitle(QStringLiteral("Egendefinierade isoleringsprodukter"));

    box_ = new QListWidget(this);
    box_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    newButton_ = new QPushButton(QStringLiteral("Ny produkt..."), this);
    updateButton_ = new QPushButton(QStringLiteral("Uppdatera produkt..."), this);
    deleteButton_ = new QPushButton(QStringLiteral("Ta bort produkt..."), this);
    for (QPushButton* button : {newButton_, updateButton_, deleteButton_})
        button->setAutoDefault(false);

    auto* body = new QGridLayout;
    body->addWidget(box_, 0, 0, 4, 1);
    body->addWidget(newButton_, 0, 1);
    body->addWidget(updateButton_, 1, 1);
    body->addWidget(deleteButton_, 2, 1);
    body->setRowStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(CreateButtonBox());

    controller_.Attach(working_, box_, ListBoxController::BoxOrder::Alphabetical);
    connect(newButton_, &QPushButton::clicked, this, &CEgendefDatabaseDlg::OnNew);
    connect(updateButton_, &QPushButton::clicked, this, &CEgendefDatabaseDlg::OnUpdate);
    connect(box_, &QListWidget::itemDoubleClicked, this, &CEgendefDatabaseDlg::OnUpdate);
    connect(deleteButton_, &QPushButton::clicked, this, &CEgendefDatabaseDlg::OnDelete);
}

void CEgendefDatabaseDlg::OnNew()
{
    if (controller_.New(std::make_unique<CEgendefIsoProdukt>()))
        changed_ = true;
}

void CEgendefDatabaseDlg::OnUpdate()
{
    if (controller_.Update())
        changed_ = true;
}

void CEgendefDatabaseDlg::OnDelete()
{
    if (controller_.Delete(inUseMessage))
        changed_ = true;
}

void CEgendefDatabaseDlg::accept()
{
    if (changed_ && platform::prompter().Ask("Godta förändringar, och uppdatera databasen?",
                                             platform::Buttons::OkCancel,
                                             platform::Icon::Question) != platform::Answer::Ok)
        return;
    CItemDlg::accept();
}

void CEgendefDatabaseDlg::reject()
{
    if (changed_ && platform::prompter().Ask("Ignorera förändringar i databasen?", platform::Buttons::OkCancel,
                                             platform::Icon::None) != platform::Answer::Ok)
        return;
    CItemDlg::reject();
}

bool EditEgendefDatabase(CItem& item, QWidget* parent)
{
    auto* database = dynamic_cast<CEgendefDatabase*>(&item);
    if (!database)
        return false;
    CEgendefDatabaseDlg dialog(database->products, parent);
    return dialog.exec() == QDialog::Accepted;
}
