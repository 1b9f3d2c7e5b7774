#include "StandardDocumentParts.h"

#include "CreateModule.h"
#include "database/CProduktBeskrivelse.h"
#include "database/Catalogue.h"

std::unique_ptr<DocumentCatalogue> StandardDocumentParts::CreateCatalogue()
{
    return std::make_unique<Catalogue>();
}

std::unique_ptr<CVekModul> StandardDocumentParts::CreateModule(int index)
{
    return ::CreateModule(index);
}

std::unique_ptr<CDocumentPart> StandardDocumentParts::CreateDescriptions()
{
    auto descriptions = std::make_unique<CProduktBeskrivelse>();
    descriptions->Load();
    return descriptions;
}
