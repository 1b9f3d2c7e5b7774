#pragma once

#include "CArchive.h"
#include "CItem.h"

#include <memory>
#include <utility>
#include <vector>

// An ordered list that owns its items.
template <class T>
using ItemList = std::vector<std::unique_ptr<T>>;

template <class T>
void ClearList(ItemList<T>& list)
{
    while (!list.empty())
        list.erase(list.begin());
}

template <class T>
std::unique_ptr<T> CloneItem(const T& item)
{
    std::unique_ptr<CListItem> copy = item.Clone();
    return std::unique_ptr<T>(static_cast<T*>(copy.release()));
}

template <class T>
void CopyList(ItemList<T>& destination, const ItemList<T>& source)
{
    ClearList(destination);
    for (const auto& item : source)
        destination.push_back(CloneItem(*item));
}

// The items of source move to destination. With notify, every moved item
// tells its dependents, which then point at it instead of the item it
// replaces. The replaced items are deleted only after that, so no dependent
// is ever left holding a deleted item while it is told.
template <class T>
void TakeList(ItemList<T>& destination, ItemList<T>& source, bool notify)
{
    ItemList<T> replaced = std::move(destination);
    destination = std::move(source);
    source.clear();
    if (notify)
        for (auto& item : destination)
            item->NotifyDependents();
    ClearList(replaced);
}

template <class T>
bool ListsEqual(const ItemList<T>& a, const ItemList<T>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!a[i]->IsEqual(*b[i]))
            return false;
    return true;
}

// A list as its count and each item as an object with its class tag.
template <class T>
void SerializeList(CArchive& ar, ItemList<T>& list)
{
    if (ar.IsStoring()) {
        ar.WriteCount(std::uint32_t(list.size()));
        for (const auto& item : list)
            ar.WriteObject(item.get());
    } else {
        const std::uint32_t count = ar.ReadCount();
        for (std::uint32_t i = 0; i < count; ++i)
            list.push_back(ar.ReadOwned<T>());
    }
}

// The first item with the given name, or none.
template <class T>
T* FindByName(const ItemList<T>& list, const std::string& name)
{
    for (const auto& item : list)
        if (item->name == name)
            return item.get();
    return nullptr;
}
