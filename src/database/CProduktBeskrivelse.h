#pragma once

#include "doc/DocumentParts.h"

// The standard description texts and the user's choice among them. The
// document stores only the choice: text index, group and code.
class CProduktBeskrivelse : public CDocumentPart {
    TEKVAR_DECLARE_CLASS(CProduktBeskrivelse)

public:
    void Serialize(CArchive& ar) override;
    void Reset() override;
    std::unique_ptr<CDocumentPart> Copy() const override;

    int selectedText = -1; // 0 … 47, −1 none
    int selectedGroup = 0; // 0 … 5
    int selectedCode = -1; // −1 none
};
