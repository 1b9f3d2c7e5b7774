#include "StandardDocumentParts.h"

#include "CreateModule.h"
#include "database/CProduktBeskrivelse.h"
#include "database/Catalogue.h"
#include "report/ResultPages.h"

std::unique_ptr<DocumentCatalogue> StandardDocumentParts::CreateCatalogue()
{
    return std::make_unique<Catalogue>();
}

std::unique_ptr<CVekModul> StandardDocumentParts::CreateModule(int index)
{
    return ::CreateModule(index);
}

std::unique_ptr<DocumentPages> StandardDocumentParts::CreatePages(CVekDoc& doc)
{
    return std::make_unique<ResultPages>(doc);
}

std::unique_ptr<CDocumentPart> StandardDocumentParts::CreateDescriptions()
{
    auto descriptions = std::make_unique<CProduktBeskrivelse>();
    descriptions->Load();
    return descriptions;
}
