#include "Reconciliation.h"

void WriteCatalogueReference(CArchive& ar, const CListItem* item)
{
    ar.WriteString(item ? item->name : std::string(noCatalogueItem));
}

std::string ReadCatalogueReference(CArchive& ar)
{
    return ar.ReadString();
}

void TellChangedCatalogueValue(const std::string& name)
{
    platform::prompter().Tell(
        Sprintf("Databasvärdet %s är förändrat efter att filen blev sparad. Detta förändrar de beräknade resultaten.",
                name.c_str()));
}
