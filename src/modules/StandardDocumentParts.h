#pragma once

#include "doc/DocumentParts.h"

// The members of the program's document: the catalogue data, the eight
// modules, their result pages and the description texts.
class StandardDocumentParts final : public DocumentParts {
public:
    std::unique_ptr<DocumentCatalogue> CreateCatalogue() override;
    std::unique_ptr<CVekModul> CreateModule(int index) override;
    std::unique_ptr<DocumentPages> CreatePages(CVekDoc& doc) override;
    std::unique_ptr<CDocumentPart> CreateDescriptions() override;
};
