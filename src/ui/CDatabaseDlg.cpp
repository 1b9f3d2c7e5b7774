#include "CDatabaseDlg.h"

#include "QtText.h"
#include "platform/Services.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int inUseMessage = 61211;
const char* const acceptQuestion = "Godta förändringar, och uppdatera databasen?";
const char* const ignoreQuestion = "Ignorera förändringar i databasen?";

} // namespace

CDatabaseDlg::CDatabaseDlg(CDataBase::Lists& working, int& shown, QWidget* parent)
    : CItemDlg("::/html/database.htm", parent), working_(working), shown_(shown)
{
    setWindowTitle(QStringLiteral("Databas"));

    auto* lists = new QGroupBox(this);
    auto* listLayout = new QVBoxLayout(lists);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < CDataBase::listCount; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(CDataBase::Info(i).label), lists);
        listLayout->addWidget(button);
        group->addButton(button, i);
        listButtons_[std::size_t(i)] = button;
    }

    box_ = new QListWidget(this);
    box_->setObjectName(QStringLiteral("list293"));
    box_->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
    box_->setMinimumHeight(fontMetrics().lineSpacing() * 14);
    newButton_ = new QPushButton(QStringLiteral("Ny..."), this);
    copyButton_ = new QPushButton(QStringLiteral("Kopiera..."), this);
    updateButton_ = new QPushButton(QStringLiteral("Uppdatera..."), this);
    deleteButton_ = new QPushButton(QStringLiteral("Ta bort..."), this);
    for (QPushButton* button : {newButton_, copyButton_, updateButton_, deleteButton_})
        button->setAutoDefault(false);

    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {newButton_, copyButton_, updateButton_, deleteButton_})
        commands->addWidget(button);
    commands->addStretch(1);

    auto* body = new QGridLayout;
    body->addWidget(lists, 0, 0, 2, 1);
    body->addWidget(box_, 0, 1, 2, 1);
    body->addLayout(commands, 0, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(CreateButtonBox());

    connect(group, &QButtonGroup::idClicked, this, &CDatabaseDlg::ShowList);
    connect(newButton_, &QPushButton::clicked, this, &CDatabaseDlg::OnNew);
    connect(copyButton_, &QPushButton::clicked, this, &CDatabaseDlg::OnCopy);
    connect(updateButton_, &QPushButton::clicked, this, &CDatabaseDlg::OnUpdate);
    connect(box_, &QListWidget::itemDoubleClicked, this, &CDatabaseDlg::OnUpdate);
    connect(deleteButton_, &QPushButton::clicked, this, &CDatabaseDlg::OnDelete);

    ShowList(shown_ >= 0 && shown_ < CDataBase::listCount ? shown_ : 0);
}

void CDatabaseDlg::ShowList(int list)
{
    if (list < 0 || list >= CDataBase::listCount)
        return;
    shown_ = list;
    listButtons_[std::size_t(list)]->setChecked(true);
    controller_.Attach(working_[std::size_t(list)], box_, ListBoxController::BoxOrder::Alphabetical);
}

void CDatabaseDlg::OnNew()
{
    if (controller_.New(CDataBase::CreateItem(shown_)))
        changed_ = true;
}

void CDatabaseDlg::OnCopy()
{
    if (controller_.Copy())
        changed_ = true;
}

void CDatabaseDlg::OnUpdate()
{
    if (controller_.Update())
        changed_ = true;
}

void CDatabaseDlg::OnDelete()
{
    if (controller_.Delete(inUseMessage))
        changed_ = true;
}

void CDatabaseDlg::accept()
{
    if (changed_ && platform::prompter().Ask(acceptQuestion, platform::Buttons::OkCancel, platform::Icon::Question) !=
                        platform::Answer::Ok)
        return;
    CItemDlg::accept();
}

void CDatabaseDlg::reject()
{
    if (changed_ && platform::prompter().Ask(ignoreQuestion, platform::Buttons::OkCancel, platform::Icon::Question) !=
                        platform::Answer::Ok)
        return;
    CItemDlg::reject();
}

bool EditDatabase(CItem& item, QWidget* parent)
{
    auto* database = dynamic_cast<CDataBase*>(&item);
    if (!database)
        return false;
    CDatabaseDlg dialog(database->lists, database->activeList, parent);
    return dialog.exec() == QDialog::Accepted;
}
