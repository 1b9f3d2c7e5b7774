#include "CKlimaDlg.h"

#include "CKlimastedDlg.h"
#include "QtText.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int deleteQuestionId = 61208;
const char* const chooseLocation = "Du måste välja ort i listan.";
constexpr int locationRole = Qt::UserRole;
constexpr int lineRole = Qt::UserRole + 1;

CKlima* openClimate = nullptr;

} // namespace

void SetClimateLocations(CKlima* climate)
{
    openClimate = climate;
}

CKlima* ClimateLocations()
{
    return openClimate;
}

CKlimaDlg::CKlimaDlg(CKlima& working, QWidget* parent) : CItemDlg("::/html/klimasteder.htm", parent), working_(working)
{
    setWindowTitle(QStringLiteral("Ortsdata"));

    // The columns stand where the list's tab stops stood.
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("locations"));
    list_->setColumnCount(3);
    list_->setHeaderLabels({QString(), QString::fromUtf8("Temp. [°C]"), QStringLiteral("Vind [m/s]")});
    list_->setRootIsDecorated(false);
    list_->setSortingEnabled(false);
    list_->header()->setSectionsMovable(false);
    const int unit = fontMetrics().averageCharWidth();
    list_->setColumnWidth(0, unit * 30);
    list_->setColumnWidth(1, unit * 10);
    list_->setMinimumWidth(unit * 54);
    list_->setMinimumHeight(fontMetrics().lineSpacing() * 12);

    for (const auto& location : working_.locations)
        addLine(location.get());
    if (working_.selected)
        for (int i = 0; i < list_->topLevelItemCount(); ++i)
            if (list_->topLevelItem(i)->data(0, locationRole).value<quintptr>() == quintptr(working_.selected))
                list_->setCurrentItem(list_->topLevelItem(i));
    working_.listChanged = false;

    const ListButtons buttons = LayOutList(list_, "Ny Ort...", "Uppdatera Ort...", "Ta bort Ort",
                                           "Tryck OK för att överföra omgivningstemperatur och vindhastighet.");
    connect(buttons.add, &QPushButton::clicked, this, &CKlimaDlg::OnNew);
    connect(buttons.update, &QPushButton::clicked, this, &CKlimaDlg::OnUpdate);
    connect(buttons.remove, &QPushButton::clicked, this, &CKlimaDlg::OnDelete);
}

QTreeWidgetItem* CKlimaDlg::addLine(CKlimasted* location)
{
    const QString text = ToQString(location->displayText);
    auto* line = new QTreeWidgetItem(text.split(QLatin1Char('\t')));
    line->setData(0, locationRole, quintptr(location));
    line->setData(0, lineRole, text);
    // Sorted by the whole line, as the list box sorted its strings.
    int at = 0;
    while (at < list_->topLevelItemCount() &&
           QString::compare(list_->topLevelItem(at)->data(0, lineRole).toString(), text, Qt::CaseInsensitive) <= 0)
        ++at;
    list_->insertTopLevelItem(at, line);
    return line;
}

CKlimasted* CKlimaDlg::Current() const
{
    QTreeWidgetItem* line = list_->currentItem();
    if (!line || !line->isSelected())
        return nullptr;
    return reinterpret_cast<CKlimasted*>(line->data(0, locationRole).value<quintptr>());
}

CKlimasted* CKlimaDlg::selectedOrTell()
{
    CKlimasted* location = Current();
    if (!location)
        platform::prompter().Tell(chooseLocation);
    return location;
}

void CKlimaDlg::OnNew()
{
    auto location = std::make_unique<CKlimasted>();
    if (!EditClimateLocation(*location, this))
        return;
    list_->setCurrentItem(addLine(location.get()));
    working_.locations.push_back(std::move(location));
    working_.listChanged = true;
}

void CKlimaDlg::OnUpdate()
{
    CKlimasted* location = selectedOrTell();
    if (!location)
        return;
    auto& locations = working_.locations;
    auto it = std::find_if(locations.begin(), locations.end(), [&](const auto& e) { return e.get() == location; });
    if (it == locations.end())
        return;
    // Out of the list while it is edited, so its own name is no clash.
    std::unique_ptr<CKlimasted> taken = std::move(*it);
    locations.erase(it);
    const bool changed = EditClimateLocation(*taken, this);
    locations.push_back(std::move(taken));
    if (!changed)
        return;
    delete list_->currentItem();
    list_->setCurrentItem(addLine(location));
    working_.listChanged = true;
}

void CKlimaDlg::OnDelete()
{
    CKlimasted* location = selectedOrTell();
    if (!location)
        return;
    if (platform::prompter().Ask(FormatPositional(LoadString(deleteQuestionId), {location->name}),
                                 platform::Buttons::OkCancel, platform::Icon::Exclamation) != platform::Answer::Ok)
        return;
    delete list_->currentItem();
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    auto& locations = working_.locations;
    if (working_.selected == location)
        working_.selected = nullptr;
    locations.erase(std::remove_if(locations.begin(), locations.end(), [&](const auto& e) { return e.get() == location; }),
                    locations.end());
    working_.listChanged = true;
}

bool CKlimaDlg::Validate()
{
    CKlimasted* location = selectedOrTell();
    if (!location)
        return false;
    working_.selected = location;
    return true;
}

void CKlimaDlg::reject()
{
    if (working_.listChanged &&
        platform::prompter().Ask(ToStdString(QString::fromUtf8("Ignorera förändringar i ortslistan?")),
                                 platform::Buttons::OkCancel, platform::Icon::Question) != platform::Answer::Ok)
        return;
    CItemDlg::reject();
}

bool EditClimate(CItem& item, QWidget* parent)
{
    auto* climate = dynamic_cast<CKlima*>(&item);
    if (!climate)
        return false;
    CKlimaDlg dialog(*climate, parent);
    return dialog.exec() == QDialog::Accepted;
}
