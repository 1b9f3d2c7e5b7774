#include "CKostnadDlg.h"

#include "CIsoKostnadDlg.h"
#include "QtText.h"
#include "database/CIsoKostnad.h"
#include "database/CKostnad.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int deleteQuestionId = 61208;
constexpr int chooseCostId = 62598;
constexpr int ignoreChangesId = 62599;
constexpr int entryRole = Qt::UserRole;

CKostnad* openCosts = nullptr;
std::string openUnit = "m";

} // namespace

void SetCostData(CKostnad* costs)
{
    openCosts = costs;
}

CKostnad* CostData()
{
    return openCosts;
}

std::string CostListUnit()
{
    return openUnit;
}

CKostnadDlg::CKostnadDlg(CKostnad& working, QWidget* parent)
    : CItemDlg("::/html/isokostnader.htm", parent), working_(working), outerUnit_(openUnit)
{
    openUnit = working.unit;
    setWindowTitle(QStringLiteral("Kostnadsdata Isolering"));

    // The name and the cost stand where the list's tab stop put them.
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("costs"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QString(), QStringLiteral("Kostnad [kr]")});
    list_->setRootIsDecorated(false);
    list_->setSortingEnabled(false);
    list_->header()->setSectionsMovable(false);
    const int unit = fontMetrics().averageCharWidth();
    list_->setColumnWidth(0, unit * 50);
    list_->setMinimumWidth(unit * 68);
    list_->setMinimumHeight(fontMetrics().lineSpacing() * 14);
    for (const auto& entry : working_.entries) {
        QTreeWidgetItem* line = addLine(entry.get());
        if (entry.get() == working_.selected)
            list_->setCurrentItem(line);
    }
    working_.listChanged = false;

    const ListButtons buttons = LayOutList(list_, "Ny kostnad...", "Redigera kostnad...", "Ta bort kostnad",
                                           "Tryck OK för att överföra kostnaden.");
    connect(buttons.add, &QPushButton::clicked, this, &CKostnadDlg::OnNew);
    connect(buttons.update, &QPushButton::clicked, this, &CKostnadDlg::OnUpdate);
    connect(buttons.remove, &QPushButton::clicked, this, &CKostnadDlg::OnDelete);
}

CKostnadDlg::~CKostnadDlg()
{
    openUnit = outerUnit_;
}

QTreeWidgetItem* CKostnadDlg::addLine(CIsoKostnad* entry)
{
    // An entry never edited here has no line of its own yet: its name stands in.
    const std::string& text = entry->displayText.empty() ? entry->name : entry->displayText;
    auto* line = new QTreeWidgetItem(ToQString(text).split(QLatin1Char('\t')));
    line->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    line->setData(0, entryRole, quintptr(entry));
    list_->addTopLevelItem(line);
    return line;
}

CIsoKostnad* CKostnadDlg::Current() const
{
    QTreeWidgetItem* line = list_->currentItem();
    if (!line || !line->isSelected())
        return nullptr;
    return reinterpret_cast<CIsoKostnad*>(line->data(0, entryRole).value<quintptr>());
}

CIsoKostnad* CKostnadDlg::selectedOrTell()
{
    CIsoKostnad* entry = Current();
    if (!entry)
        platform::prompter().Tell(LoadString(chooseCostId));
    return entry;
}

void CKostnadDlg::OnNew()
{
    auto entry = std::make_unique<CIsoKostnad>();
    if (!EditCostEntry(*entry, working_.unit, this))
        return;
    list_->setCurrentItem(addLine(entry.get()));
    working_.entries.push_back(std::move(entry));
    working_.listChanged = true;
}

void CKostnadDlg::OnUpdate()
{
    CIsoKostnad* entry = selectedOrTell();
    if (!entry)
        return;
    auto& entries = working_.entries;
    auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.get() == entry; });
    if (it == entries.end())
        return;
    // Out of the list while it is edited, so its own name is no clash; it
    // comes back at the end, and so does its line, so that the list shows
    // the order the file will have.
    std::unique_ptr<CIsoKostnad> taken = std::move(*it);
    entries.erase(it);
    const bool changed = EditCostEntry(*taken, working_.unit, this);
    entries.push_back(std::move(taken));
    delete list_->currentItem();
    list_->setCurrentItem(addLine(entry));
    if (changed)
        working_.listChanged = true;
}

void CKostnadDlg::OnDelete()
{
    CIsoKostnad* entry = selectedOrTell();
    if (!entry)
        return;
    if (platform::prompter().Ask(FormatPositional(LoadString(deleteQuestionId), {entry->name}),
                                 platform::Buttons::OkCancel, platform::Icon::Exclamation) != platform::Answer::Ok)
        return;
    delete list_->currentItem();
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    if (working_.selected == entry)
        working_.selected = nullptr;
    auto& entries = working_.entries;
    entries.erase(std::remove_if(entries.begin(), entries.end(), [&](const auto& e) { return e.get() == entry; }),
                  entries.end());
    working_.listChanged = true;
}

bool CKostnadDlg::Validate()
{
    CIsoKostnad* entry = selectedOrTell();
    if (!entry)
        return false;
    working_.selected = entry;
    return true;
}

void CKostnadDlg::reject()
{
    if (working_.listChanged &&
        platform::prompter().Ask(LoadString(ignoreChangesId), platform::Buttons::OkCancel,
                                 platform::Icon::Question) != platform::Answer::Ok)
        return;
    CItemDlg::reject();
}

bool EditCostList(CItem& item, QWidget* parent)
{
    auto* costs = dynamic_cast<CKostnad*>(&item);
    if (!costs)
        return false;
    CKostnadDlg dialog(*costs, parent);
    return dialog.exec() == QDialog::Accepted;
}
