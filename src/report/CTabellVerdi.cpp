#include "CTabellVerdi.h"

#include "doc/StringTable.h"

TEKVAR_IMPLEMENT_CLASS(CTabellVerdi, CListItem)

CTabellVerdi::CTabellVerdi(int id)
{
    if (id != 0)
        name = LoadString(id);
}

CTabellVerdi::CTabellVerdi(std::string text)
{
    name = std::move(text);
}

std::unique_ptr<CListItem> CTabellVerdi::Clone() const
{
    return std::make_unique<CTabellVerdi>(name);
}
