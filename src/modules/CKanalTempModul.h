#pragma once

#include "CSegment.h"
#include "FlowInput.h"
#include "database/CVeske.h"
#include "doc/CVekModul.h"
#include "doc/ItemList.h"
#include "report/CTabell.h"

#include <memory>
#include <string>
#include <vector>

// The module for temperature change of a flowing medium along a run of
// sections. Its input is a FlowInput; the liquid and the sections are its own.
class CKanalTempModul : public CVekModul, public FlowInput {
    TEKVAR_DECLARE_CLASS(CKanalTempModul)

public:
    // Written after the medium; older records have the run type there.
    static constexpr std::uint16_t formatMarker = 255;
    // The page the module's items stand on.
    static constexpr int pageIndex = 1;

    CKanalTempModul();
    ~CKanalTempModul() override;
    CKanalTempModul(const CKanalTempModul&) = delete;
    CKanalTempModul& operator=(const CKanalTempModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // Runs the medium through the sections in their order and puts the five
    // tables and each section's input table on page 1. A question answered
    // to stop, a freezing medium or a refused input takes every item of the
    // module off the page; the message has been shown.
    bool Calculate() override;
    // The built-in picture of the run type.
    ProductPicture GetProductPicture() const override;
    // A liquid takes the place of the medium.
    void Changed(CItem* item) override;

    CVeske* Medium() const { return medium_; }
    void SetMedium(CVeske* liquid);

    ItemList<CSegment> sections;

    // The result page's tables; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CTabell uValueTable;
    CTabell totalsTable;
    CTabell quantityTable;
    CTabell inputTable;
    // Where the quantities are more than a sheet holds, they go on here.
    std::vector<std::unique_ptr<CTabell>> continuedQuantityTables;

private:
    // One section's results as the tables print them.
    struct SectionRow {
        std::string name;
        std::vector<std::string> results; // outlet, heat loss, ho, (hi)
        float uValue = 0;
        bool uDefined = false;
        float limit = 0;
    };

    void defineTables();
    // The dialog's checks on what the module and its sections hold; shows a
    // refusal's message.
    bool inputUsable() const;
    // The run itself; false when it stopped (its message shown).
    bool run(std::vector<SectionRow>& rows, float& totalLoss, float& totalLength);
    void fillTables(const std::vector<SectionRow>& rows, float totalLoss, float totalLength);
    void fillInputTable();
    void showResults();
    void clearPage();

    CVeske* medium_ = nullptr;
};
