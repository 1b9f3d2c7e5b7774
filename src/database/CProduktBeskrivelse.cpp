#include "CProduktBeskrivelse.h"

#include <cstdint>

TEKVAR_IMPLEMENT_CLASS(CProduktBeskrivelse, CItem)

namespace {

// −1 is written as 0xFFFF and read back through the 16-bit sign.
void selectionWord(CArchive& ar, int& value)
{
    if (ar.IsStoring())
        ar.WriteWord(std::uint16_t(value));
    else
        value = std::int16_t(ar.ReadWord());
}

} // namespace

void CProduktBeskrivelse::Serialize(CArchive& ar)
{
    selectionWord(ar, selectedText);
    selectionWord(ar, selectedGroup);
    selectionWord(ar, selectedCode);
}

void CProduktBeskrivelse::Reset()
{
    selectedText = -1;
    selectedGroup = 0;
    selectedCode = -1;
}

std::unique_ptr<CDocumentPart> CProduktBeskrivelse::Copy() const
{
    return std::make_unique<CProduktBeskrivelse>(*this);
}
