#pragma once

#include "CDataBase.h"
#include "CEgendefDatabase.h"
#include "CKlima.h"
#include "CKostnad.h"
#include "doc/DocumentParts.h"

// The data the document keeps beside its file: the reference database, the
// user database, the climate locations and the costs. Each reads its file
// when the catalogue is made, in that order, and the two databases become
// the ones the program looks its lists up in.
class Catalogue final : public DocumentCatalogue {
public:
    Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    bool EditDatabase() override;

    // Destroyed in the reverse order.
    CDataBase database;
    CEgendefDatabase userDatabase;
    CKlima climate;
    CKostnad costs;
};
