#include "COkoIsolasjon.h"

#include "database/CDataBase.h"
#include "database/Reconciliation.h"

TEKVAR_IMPLEMENT_CLASS(COkoIsolasjon, CItem)

void COkoIsolasjon::Serialize(CArchive& ar)
{
    if (!SerializeHead(ar))
        SerializeFirstLayout(ar);
}

bool COkoIsolasjon::SerializeHead(CArchive& ar)
{
    if (ar.IsLoading())
        ClearList(thicknesses);
    SerializeList(ar, thicknesses);
    ar.Word(format);
    return !IsFirstLayout();
}

void COkoIsolasjon::SerializeFirstLayout(CArchive& ar)
{
    ar.Word(productSource);
    ar.Text(unusedText);
    ar.Float(unusedValue);
    if (ar.IsStoring()) {
        CIsoProdukt none;
        none.name = noCatalogueItem;
        (product ? *product : none).Serialize(ar);
        return;
    }
    CIsoProdukt copy;
    product = nullptr;
    if (productSource == 0 && CDataBase::Current()) {
        product = ItemCast<CIsoProdukt>(CDataBase::Current()->ReadEmbedded(ar, CDataBase::insulationProducts, copy));
    } else {
        // A user product has no place in the database's list: asking for a
        // maker's product to stand in for it would only be thrown away, since
        // converted user alternatives choose their product anew.
        copy.Serialize(ar);
    }
}
