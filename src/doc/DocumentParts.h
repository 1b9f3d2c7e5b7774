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

class CVekDoc;

// The modules' result pages as the document sees them: the report layer
// keeps the eight page lists, one page header per module and the footer.
class DocumentPages {
public:
    virtual ~DocumentPages() = default;
    // Makes the module's page the active one and refreshes its items (the
    // header takes the time, the project texts and the module's picture).
    virtual void Activate(int module) = 0;
};

// Creates the members of the document that the layers above it define. The
// document asks for them in its fixed creation order.
class DocumentParts {
public:
    virtual ~DocumentParts() = default;
    // None for a document that works without catalogue data.
    virtual std::unique_ptr<DocumentCatalogue> CreateCatalogue() { return nullptr; }
    virtual std::unique_ptr<CVekModul> CreateModule(int index) = 0;
    // The headers and the footer, after the modules; none for a document
    // without result pages. They may keep a reference to the document.
    virtual std::unique_ptr<DocumentPages> CreatePages(CVekDoc&) { return nullptr; }
    virtual std::unique_ptr<CDocumentPart> CreateDescriptions() = 0;
};
