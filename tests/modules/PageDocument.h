#pragma once

#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "report/ResultPages.h"

#include <memory>

namespace module_test {

// Stands in for a module a test does not look at; its record is empty.
class CPlaceholderModul : public CVekModul {
public:
    void Serialize(CArchive&) override {}
};

// A document with result pages in which the modules M... stand at their page
// indexes and placeholders at the others. It brings no catalogue: the
// modules use the one the test made current.
template <class... M>
class PageParts : public DocumentParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int index) override
    {
        std::unique_ptr<CVekModul> module;
        ((index == M::pageIndex ? void(module = std::make_unique<M>()) : void()), ...);
        if (!module)
            module = std::make_unique<CPlaceholderModul>();
        return module;
    }
    std::unique_ptr<DocumentPages> CreatePages(CVekDoc& doc) override { return std::make_unique<ResultPages>(doc); }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<CProduktBeskrivelse>(); }
};

} // namespace module_test
