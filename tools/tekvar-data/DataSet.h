#pragma once

#include "database/CDataBase.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoKostnad.h"
#include "database/CKlimasted.h"
#include "database/CProduktBeskrivelse.h"
#include "database/CVVSAMATekst.h"

#include <array>
#include <optional>

// The contents of the data files, held in the program's own item classes.
// Each part is there only when its file (or its sources) was.
struct DataSet {
    using Texts = std::array<CVVSAMATekst, CProduktBeskrivelse::textCount>;

    std::optional<CDataBase::Lists> database;                 // tekvar.dat
    std::optional<ItemList<CEgendefIsoProdukt>> userProducts; // egendef.dat
    std::optional<ItemList<CKlimasted>> locations;            // tekvar.ort
    std::optional<ItemList<CIsoKostnad>> costs;               // tekvar.cst
    std::optional<Texts> texts;                               // tekvar.ama

    bool Empty() const { return !database && !userProducts && !locations && !costs && !texts; }
};
