#include "StandardDocumentParts.h"

#include "CreateModule.h"
#include "database/CProduktBeskrivelse.h"

std::unique_ptr<CVekModul> StandardDocumentParts::CreateModule(int index)
{
    return ::CreateModule(index);
}

std::unique_ptr<CDocumentPart> StandardDocumentParts::CreateDescriptions()
{
    return std::make_unique<CProduktBeskrivelse>();
}
