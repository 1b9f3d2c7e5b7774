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

// The program's data that lives beside documents rather than in them (the
// databases, climate locations and costs). The document creates it before
// its modules, which take their catalogue choices from it, and deletes it
// after them; it is never written to a document.
class DocumentCatalogue {
public:
    virtual ~DocumentCatalogue() = default;
    // Opens the database editor; true when the user confirmed it.
    virtual bool EditDatabase() { return false; }
};

// Creates the members of the document that the layers above it define. The
// document asks for them in its fixed creation order.
class DocumentParts {
public:
    virtual ~DocumentParts() = default;
    // None for a document that works without catalogue data.
    virtual std::unique_ptr<DocumentCatalogue> CreateCatalogue() { return nullptr; }
    virtual std::unique_ptr<CVekModul> CreateModule(int index) = 0;
    virtual std::unique_ptr<CDocumentPart> CreateDescriptions() = 0;
};
