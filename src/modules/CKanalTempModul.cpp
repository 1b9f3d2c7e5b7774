#include "CKanalTempModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CKanalTempModul, CVekModul)

CKanalTempModul::CKanalTempModul()
{
    SetDefaults();
}

CKanalTempModul::~CKanalTempModul()
{
    ClearList(sections);
    SetMedium(nullptr);
}

void CKanalTempModul::SetMedium(CVeske* liquid)
{
    Relink<CVeske>(this, medium_, liquid);
}

void CKanalTempModul::SetDefaults()
{
    resultsValid = false;
    static_cast<FlowInput&>(*this) = FlowInput{};
    SetMedium(nullptr);
    ClearList(sections);
    defineTables();
    clearPage();
}

void CKanalTempModul::defineTables()
{
    // Header ids, then the row caption the table starts with.
    resultTable.Define(20.0f, 65.0f, 4.0f, 2.0f, "%.1f", {63001, 63002, 62315, 62441, 62442}, {63005}, {}, 170.0f);
    uValueTable.Define(20.0f, 60.0f, 4.0f, 2.0f, "%.2f W/mK", {63001, 31, 63003}, {63005}, {}, 170.0f);
    totalsTable.Define(20.0f, 110.0f, 4.0f, 2.0f, "%.1f", {63004, 62312}, {62451, 63006, 62444, 62445}, {}, 170.0f);
    quantityTable.Define(20.0f, 160.0f, 4.0f, 2.0f, "%.1f", {63001, 62646}, {63007}, {}, 170.0f);
    inputTable.Define(20.0f, 200.0f, 4.0f, 2.0f, "%.1f", {63008, 62408}, {63008}, {}, 170.0f);
    resultTable.helpTopic = "::/html/segment_inputtabell.htm";
    totalsTable.helpTopic = "::/html/energikostnad_restabell.htm";
    inputTable.helpTopic = "::/html/kanal_inputtabell.htm";
    quantityTable.helpTopic = "::/html/isomengde_tabell.htm";
    uValueTable.helpTopic = "::/html/12228_tabell.htm";
}

void CKanalTempModul::Changed(CItem* item)
{
    if (item && item->IsKindOf(CVeske::classInfo))
        SetMedium(static_cast<CVeske*>(item));
}

void CKanalTempModul::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        ClearList(sections);
    SerializeList(ar, sections);

    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, medium_);
        ar.WriteWord(formatMarker);
        ar.Bool(condensationCheck);
        ar.Float(relativeHumidity);
        ar.Word(runType);
    } else {
        CVeske copy;
        SetMedium(ReadDatabaseReferenceOrCopyAs<CVeske>(ar, CDataBase::liquids, copy));
        const std::uint16_t first = ar.ReadWord();
        if (first == formatMarker) {
            ar.Bool(condensationCheck);
            ar.Float(relativeHumidity);
            ar.Word(runType);
        } else {
            // An older record: no condensation check, and this is the run type.
            runType = first;
        }
    }
    ar.Word(mediumSource);
    ar.Word(nextSectionNumber);
    ar.Float(heatCapacity);
    ar.Float(density);
    ar.Float(freezingPoint);
    ar.Float(inletTemperature);
    ar.Float(operatingHours);
    ar.Float(energyPrice);
    ar.Word(energyCostEnabled);
    ar.Word(resultsValid);
    RequireChoice(ar, runType, 4, "run type");
    RequireChoice(ar, mediumSource, 2, "medium source");
    if (ar.IsLoading()) {
        if (resultsValid)
            Calculate();
        else
            clearPage();
    }
}
