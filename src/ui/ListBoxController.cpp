#include "ListBoxController.h"

#include "QtText.h"
#include "database/CAbsorpsjon.h"
#include "database/CIsoProdukt.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <QListWidget>

#include <vector>

namespace {

constexpr int emptyListMessage = 341;
constexpr int deleteQuestion = 61208;

// Each line remembers its item, so that two items of the same name (a data
// file may hold them) still reach the right one.
constexpr int itemRole = Qt::UserRole;

const CListItem* itemOfLine(const QListWidgetItem* line)
{
    return reinterpret_cast<const CListItem*>(line->data(itemRole).value<quintptr>());
}

void forget(CListItem& item)
{
    const std::vector<CItem*> dependents = item.Dependents();
    for (CItem* dependent : dependents)
        item.RemoveDependent(dependent);
}

template <class T>
void forgetAll(ItemList<T>& list)
{
    for (auto& item : list)
        forget(*item);
}

// Sorting key of one character: case folded, å ä ö (and æ ø) after z.
char32_t letterRank(char32_t c)
{
    const QString folded = QString::fromUcs4(&c, 1).toLower();
    char32_t lower = folded.isEmpty() ? c : folded.toUcs4().value(0, c);
    switch (lower) {
    case U'å':
        return U'z' + 1;
    case U'ä':
    case U'æ':
        return U'z' + 2;
    case U'ö':
    case U'ø':
        return U'z' + 3;
    default:
        return lower;
    }
}

} // namespace

bool NameLess(const std::string& a, const std::string& b)
{
    const QList<uint> left = ToQString(a).toUcs4();
    const QList<uint> right = ToQString(b).toUcs4();
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char32_t l = letterRank(char32_t(left[i]));
        const char32_t r = letterRank(char32_t(right[i]));
        if (l != r)
            return l < r;
    }
    if (left.size() != right.size())
        return left.size() < right.size();
    // Names differing only in case still get a fixed order.
    return a < b;
}

ListBoxController::~ListBoxController() = default;

void ListBoxController::attach(std::unique_ptr<ListAccess> access, QListWidget* box, BoxOrder order)
{
    list_ = std::move(access);
    box_ = box;
    order_ = order;
    box_->setSelectionMode(QAbstractItemView::SingleSelection);
    box_->setSortingEnabled(false);
    box_->clear();
    Refill();
}

int ListBoxController::Count() const
{
    return list_ ? int(list_->Size()) : 0;
}

void ListBoxController::Refill()
{
    if (!list_ || !box_)
        return;
    const QListWidgetItem* current = box_->currentItem();
    const CListItem* selected = current && current->isSelected() ? itemOfLine(current) : nullptr;
    box_->clear();
    for (std::size_t i = 0; i < list_->Size(); ++i) {
        const CListItem* item = list_->At(i);
        auto* line = new QListWidgetItem(ToQString(item->name));
        line->setData(itemRole, QVariant::fromValue(quintptr(item)));
        box_->insertItem(boxRow(*item, i), line);
    }
    if (selected)
        Select(selected);
}

std::size_t ListBoxController::indexOf(const CListItem* item) const
{
    const std::size_t size = list_ ? list_->Size() : 0;
    for (std::size_t i = 0; i < size; ++i)
        if (list_->At(i) == item)
            return i;
    return size;
}

int ListBoxController::boxRow(const CListItem& item, std::size_t listIndex) const
{
    if (order_ == BoxOrder::List)
        return int(listIndex);
    // The lines already in the box are in order; this one goes after every
    // name that sorts before it or equal to it.
    int row = 0;
    const int count = box_->count();
    while (row < count) {
        const CListItem* other = itemOfLine(box_->item(row));
        if (other != &item && NameLess(item.name, other->name))
            break;
        ++row;
    }
    return row;
}

std::size_t ListBoxController::listPlace(const CListItem& item, std::size_t fallback) const
{
    if (!key_)
        return std::min(fallback, list_->Size());
    const float value = key_(item);
    std::size_t index = 0;
    while (index < list_->Size() && !(key_(*list_->At(index)) > value))
        ++index;
    return index;
}

QListWidgetItem* ListBoxController::lineOf(const CListItem* item) const
{
    for (int row = 0; row < box_->count(); ++row)
        if (itemOfLine(box_->item(row)) == item)
            return box_->item(row);
    return nullptr;
}

void ListBoxController::removeLine(const CListItem* item)
{
    if (QListWidgetItem* line = lineOf(item))
        delete box_->takeItem(box_->row(line));
}

bool ListBoxController::Select(const CListItem* item)
{
    QListWidgetItem* line = box_ ? lineOf(item) : nullptr;
    if (!line)
        return false;
    box_->setCurrentItem(line);
    line->setSelected(true);
    box_->scrollToItem(line);
    return true;
}

CListItem* ListBoxController::insert(std::unique_ptr<CListItem> item, std::size_t fallback)
{
    const std::size_t index = listPlace(*item, fallback);
    CListItem* placed = item.get();
    list_->Insert(index, std::move(item));
    auto* line = new QListWidgetItem(ToQString(placed->name));
    line->setData(itemRole, QVariant::fromValue(quintptr(placed)));
    box_->insertItem(boxRow(*placed, index), line);
    Select(placed);
    return placed;
}

bool ListBoxController::tellIfEmpty(bool tellEmpty) const
{
    if (Count() > 0)
        return false;
    if (tellEmpty)
        platform::prompter().Tell(LoadString(emptyListMessage));
    return true;
}

CListItem* ListBoxController::Selected(bool tellEmpty)
{
    if (!list_ || tellIfEmpty(tellEmpty))
        return nullptr;
    QListWidgetItem* line = box_->currentItem();
    if (!line || !line->isSelected()) {
        line = box_->item(0);
        if (!line)
            return nullptr;
        box_->setCurrentItem(line);
        line->setSelected(true);
    }
    const CListItem* item = itemOfLine(line);
    const std::size_t index = indexOf(item);
    if (index < list_->Size())
        return list_->At(index);
    // A line whose item is gone: the first item of the same name, if any.
    for (std::size_t i = 0; i < list_->Size(); ++i)
        if (ToQString(list_->At(i)->name) == line->text())
            return list_->At(i);
    return nullptr;
}

bool ListBoxController::New(std::unique_ptr<CListItem> item)
{
    if (!list_ || !item || !item->Edit())
        return false;
    insert(std::move(item), list_->Size());
    return true;
}

bool ListBoxController::Copy()
{
    const CListItem* original = Selected();
    if (!original)
        return false;
    std::unique_ptr<CListItem> copy = original->Clone();
    ForgetDependents(*copy);
    return New(std::move(copy));
}

bool ListBoxController::Update()
{
    CListItem* selected = Selected();
    if (!selected)
        return false;
    const std::size_t index = indexOf(selected);
    std::unique_ptr<CListItem> item = list_->Take(index);
    removeLine(selected);
    // Put back whatever happens in its editor, even an exception.
    struct PutBack {
        ListBoxController& controller;
        std::unique_ptr<CListItem>& item;
        std::size_t index;
        ~PutBack() { controller.insert(std::move(item), index); }
    } putBack{*this, item, index};
    return item->Edit();
}

bool ListBoxController::Delete(int inUseMessage)
{
    return Delete(inUseMessage != 0 ? LoadString(inUseMessage) : std::string());
}

bool ListBoxController::Delete(const std::string& inUseText)
{
    CListItem* selected = Selected();
    if (!selected)
        return false;
    if (!inUseText.empty() && !selected->Dependents().empty()) {
        platform::prompter().Tell(inUseText);
        return false;
    }
    if (platform::prompter().Ask(FormatMessage(deleteQuestion, {selected->name}), platform::Buttons::OkCancel,
                                 platform::Icon::Exclamation) != platform::Answer::Ok)
        return false;
    removeLine(selected);
    list_->Take(indexOf(selected));
    return true;
}

void ListBoxController::ForgetDependents(CListItem& copy)
{
    forget(copy);
    if (copy.IsKindOf(CIsoProdukt::classInfo))
        forgetAll(static_cast<CIsoProdukt&>(copy).thicknesses);
    else if (copy.IsKindOf(CAbsorpsjon::classInfo))
        forgetAll(static_cast<CAbsorpsjon&>(copy).thicknesses);
    else if (copy.IsKindOf(CTillegg2::classInfo))
        forgetAll(static_cast<CTillegg2&>(copy).lengths);
    else if (copy.IsKindOf(CRormaterial::classInfo))
        forgetAll(static_cast<CRormaterial&>(copy).dimensions);
}
