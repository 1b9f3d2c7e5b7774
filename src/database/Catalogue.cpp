#include "Catalogue.h"

Catalogue::Catalogue()
{
    database.Load();
    database.MakeCurrent();
    userDatabase.Load();
    userDatabase.MakeCurrent();
    climate.Load();
    costs.Load();
}

bool Catalogue::EditDatabase()
{
    return database.Edit();
}
