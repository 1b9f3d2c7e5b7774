#include "CItemDlg.h"

#include "FieldRows.h"
#include "QtText.h"
#include "doc/ItemChecks.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>


namespace {

constexpr int helpFailedId = 61703;

} // namespace

CItemDlg::CItemDlg(std::string helpTopic, QWidget* parent) : QDialog(parent), helpTopic_(std::move(helpTopic))
{
}

void CItemDlg::accept()
{
    if (Validate())
        QDialog::accept();
}

void CItemDlg::ShowHelp()
{
    if (!platform::help().ShowTopic(helpTopic_))
        platform::prompter().Tell(LoadString(helpFailedId));
}

QDialogButtonBox* CItemDlg::CreateButtonBox()
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    box->button(QDialogButtonBox::Help)->setText(QString::fromUtf8("Hjälp"));
    connect(box, &QDialogButtonBox::accepted, this, &CItemDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CItemDlg::reject);
    connect(box, &QDialogButtonBox::helpRequested, this, &CItemDlg::ShowHelp);
    return box;
}

CItemDlg::ListButtons CItemDlg::LayOutList(QTreeWidget* list, const char* newCaption, const char* updateCaption,
                                           const char* deleteCaption, const char* hint)
{
    const auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        return b;
    };
    const ListButtons buttons{button(newCaption, "new"), button(updateCaption, "update"),
                              button(deleteCaption, "delete")};
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* hintLabel = new QLabel(QString::fromUtf8(hint), this);
    hintLabel->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addWidget(buttons.add);
    side->addWidget(buttons.update);
    side->addWidget(buttons.remove);
    side->addWidget(hintLabel);
    side->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(CreateButtonBox());
    return buttons;
}

void CItemDlg::refuse(QWidget* field)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool CItemDlg::ValidateName(QLineEdit* field, const std::vector<const CListItem*>& others)
{
    if (::ValidateName(ToStdString(field->text()), others))
        return true;
    refuse(field);
    return false;
}

bool CItemDlg::CheckRange(QWidget* field, int fieldNameId, float value, float min, float max)
{
    if (::CheckRange(fieldNameId, value, min, max))
        return true;
    refuse(field);
    return false;
}

bool CItemDlg::ReadNumber(QLineEdit* field, float& value)
{
    if (ParseNumber(field->text(), value))
        return true;
    RefuseNumber(field);
    return false;
}

void CItemDlg::keyPressEvent(QKeyEvent* event)
{
    // F1 in any field of the dialog reaches here, since the fields leave it alone.
    if (event->matches(QKeySequence::HelpContents)) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}
