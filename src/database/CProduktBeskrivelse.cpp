#include "CProduktBeskrivelse.h"

#include "doc/FileIO.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <algorithm>
#include <cstdint>
#include <vector>

TEKVAR_IMPLEMENT_CLASS(CProduktBeskrivelse, CItem)

namespace {

constexpr CProduktBeskrivelse::CodeGroup groups[CProduktBeskrivelse::groupCount] = {
    {"RBA", 2, 0}, {"RBB", 5, 2}, {"RBE", 6, 7}, {"RBFU", 10, 13}, {"RBFI", 2, 39}, {"RBH", 2, 45},
};

// −1 is written as 0xFFFF and read back through the 16-bit sign.
void selectionWord(CArchive& ar, int& value)
{
    if (ar.IsStoring())
        ar.WriteWord(std::uint16_t(value));
    else
        value = std::int16_t(ar.ReadWord());
}

void tellReadFailure(const std::string& path)
{
    platform::prompter().Tell(FormatPositional("Kan inte läsa VVSAMA filen (%1).", {path}));
}

void tellWriteFailure(const std::string& path)
{
    platform::prompter().Tell(FormatPositional("Kan inte skriva VVSAMA filen (%1).", {path}));
}

} // namespace

const CProduktBeskrivelse::CodeGroup& CProduktBeskrivelse::Group(int group)
{
    return groups[group < 0 || group >= groupCount ? 0 : group];
}

int CProduktBeskrivelse::TextIndex(int group, int code)
{
    if (group < 0 || group >= groupCount || code < 0 || code >= groups[group].codeCount)
        return -1;
    return groups[group].firstText + code;
}

void CProduktBeskrivelse::Serialize(CArchive& ar)
{
    selectionWord(ar, selectedText);
    selectionWord(ar, selectedGroup);
    selectionWord(ar, selectedCode);
    if (ar.IsStoring())
        return;
    // A choice outside the tree would index past the texts; it reads as no
    // choice rather than costing the user the whole document.
    if (selectedGroup < 0 || selectedGroup >= groupCount) {
        Reset();
        return;
    }
    if (selectedCode < -1 || selectedCode >= groups[selectedGroup].codeCount)
        selectedCode = -1;
    if (selectedText < -1 || selectedText >= textCount)
        selectedText = -1;
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

bool CProduktBeskrivelse::Load()
{
    filePath = platform::settings().GetString("Files", "VVSAMA File", "tekvar.ama");

    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(filePath, bytes) != FileError::None) {
        tellReadFailure(filePath);
        return false;
    }
    // Exactly 48 records; whatever follows them is not read.
    std::array<CVVSAMATekst, textCount> read;
    bool complete = true;
    try {
        CArchive ar(bytes);
        for (CVVSAMATekst& text : read) {
            CVVSAMATekst record;
            record.Serialize(ar);
            text = std::move(record);
        }
    } catch (const ArchiveError&) {
        tellReadFailure(filePath);
        complete = false;
    }
    texts = std::move(read);
    return complete;
}

bool CProduktBeskrivelse::Save()
{
    CArchive ar;
    for (CVVSAMATekst& text : texts)
        text.Serialize(ar);

    // The file is overwritten from its start and never created or shortened:
    // a longer old file keeps its tail after the new records. Building that
    // result in full and replacing the file with it keeps the old file intact
    // when the write fails.
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(filePath, bytes) != FileError::None) {
        tellWriteFailure(filePath);
        return false;
    }
    const std::vector<std::uint8_t>& records = ar.Bytes();
    if (bytes.size() < records.size())
        bytes.resize(records.size());
    std::copy(records.begin(), records.end(), bytes.begin());
    if (WriteFileSafely(filePath, bytes) != FileError::None) {
        tellWriteFailure(filePath);
        return false;
    }
    return true;
}

bool CProduktBeskrivelse::Edit()
{
    textEdited_ = false;
    const bool confirmed = platform::editors().Edit(*this);
    if (confirmed && textEdited_)
        Save();
    textEdited_ = false;
    return true;
}

void CProduktBeskrivelse::ChooseGroup(int group)
{
    if (group == selectedGroup || group < 0 || group >= groupCount)
        return;
    selectedGroup = group;
    selectedCode = -1;
    selectedText = -1;
}

void CProduktBeskrivelse::ChooseCode(int code)
{
    const int text = TextIndex(selectedGroup, code);
    if (code == selectedCode || text < 0)
        return;
    selectedCode = code;
    selectedText = text;
}

void CProduktBeskrivelse::SetText(int index, const CVVSAMATekst& text)
{
    if (index < 0 || index >= textCount)
        return;
    texts[std::size_t(index)] = text;
    textEdited_ = true;
}
