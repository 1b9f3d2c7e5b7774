#pragma once

#include "doc/ItemList.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <string>
#include <vector>

// How documents refer to catalogue items: by name, with a fixed text for
// none. A name that the catalogue no longer holds makes the user choose a
// replacement; an older document's full copy that differs from the
// catalogue's item is reported and the catalogue's item used.

inline constexpr const char* noCatalogueItem = "Standard_database_element";

void WriteCatalogueReference(CArchive& ar, const CListItem* item);
std::string ReadCatalogueReference(CArchive& ar);
void TellChangedCatalogueValue(const std::string& name);

// The user's choice among the items of the list, which the message explains.
// None when the list is empty: there is nothing to offer.
template <class T>
T* ChooseReplacement(const ItemList<T>& list, const std::string& message, platform::ReplacementSource source)
{
    if (list.empty())
        return nullptr;
    std::vector<std::string> names;
    names.reserve(list.size());
    for (const auto& item : list)
        names.push_back(item->name);
    int index = platform::replacementChooser().Choose(message, names, source);
    if (index < 0 || std::size_t(index) >= list.size())
        index = 0;
    return list[std::size_t(index)].get();
}

// The item a stored name refers to. missingMessage is the id of the text
// (with %s for the name) that explains the choice of a replacement.
template <class T>
T* ResolveReference(const ItemList<T>& list, const std::string& name, int missingMessage,
                    platform::ReplacementSource source)
{
    if (name == noCatalogueItem)
        return nullptr;
    if (T* item = FindByName(list, name))
        return item;
    return ChooseReplacement(list, Sprintf(LoadString(missingMessage), name.c_str()), source);
}

// The item an older document's copy stands for. The copy only names the item:
// the calculations go on with the catalogue's values.
template <class T>
T* ResolveEmbedded(const ItemList<T>& list, const CListItem& copy, int missingMessage,
                   platform::ReplacementSource source)
{
    if (copy.name == noCatalogueItem)
        return nullptr;
    if (T* item = FindByName(list, copy.name)) {
        if (!item->IsEqual(copy))
            TellChangedCatalogueValue(copy.name);
        return item;
    }
    return ChooseReplacement(list, Sprintf(LoadString(missingMessage), copy.name.c_str()), source);
}
