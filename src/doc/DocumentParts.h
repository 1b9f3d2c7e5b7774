#pragma once

#include "CItem.h"
#include "CVekModul.h"

#include <memory>

// A member of the document that a layer above the document defines (the
// description texts): it writes its own record and returns to its initial
// state for a new document.
class CDocumentPart : public CItem {
public:
    virtual void Reset() = 0;
    // A copy to read into, so that a failed open leaves the original as it was.
    virtual std::unique_ptr<CDocumentPart> Copy() const = 0;
};

// Creates the members of the document that the layers above it define. The
// document asks for them in its fixed creation order.
class DocumentParts {
public:
    virtual ~DocumentParts() = default;
    virtual std::unique_ptr<CVekModul> CreateModule(int index) = 0;
    virtual std::unique_ptr<CDocumentPart> CreateDescriptions() = 0;
};
