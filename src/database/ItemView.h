#pragma once

#include "doc/ItemList.h"

#include <cstddef>
#include <iterator>
#include <string>

// The item as the class its list holds, or none when it is not one.
template <class T>
T* ItemCast(CListItem* item)
{
    return item && item->IsKindOf(T::classInfo) ? static_cast<T*>(item) : nullptr;
}

// A database list seen as the class it holds. The database reads only items
// of that class into the list, so the view can hand them out as such.
template <class T>
class ItemView {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;

        iterator() = default;
        explicit iterator(typename ItemList<CListItem>::const_iterator it) : it_(it) {}
        T* operator*() const { return static_cast<T*>(it_->get()); }
        iterator& operator++()
        {
            ++it_;
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            ++it_;
            return before;
        }
        bool operator==(const iterator& other) const { return it_ == other.it_; }

    private:
        typename ItemList<CListItem>::const_iterator it_;
    };

    explicit ItemView(const ItemList<CListItem>& list) : list_(&list) {}

    std::size_t size() const { return list_->size(); }
    bool empty() const { return list_->empty(); }
    T* operator[](std::size_t index) const { return static_cast<T*>((*list_)[index].get()); }
    iterator begin() const { return iterator(list_->begin()); }
    iterator end() const { return iterator(list_->end()); }
    // The first item with the name, or none.
    T* FindByName(const std::string& name) const { return static_cast<T*>(::FindByName(*list_, name)); }

private:
    const ItemList<CListItem>* list_;
};
