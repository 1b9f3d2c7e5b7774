#pragma once

#include "ModuleCatalogue.h"
#include "PageDocument.h"
#include "database/CAbsorpsjon.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "modules/CInnvendigKondensModul.h"
#include "modules/CLydModul.h"
#include "modules/COkonomiModul.h"
#include "modules/CUtvendigKondensModul.h"

#include <array>
#include <memory>

namespace module_test {

// A module whose Calculate only counts, to see which modules recalculate
// after they were read.
template <class M>
class Counted : public M {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

// A document with the condensation, sound and economy modules (with counting
// Calculate) and placeholders for the others. It brings no catalogue: the
// modules use the one the test made current.
class RecordParts : public DocumentParts {
public:
    std::unique_ptr<CVekModul> CreateModule(int index) override
    {
        switch (index) {
        case 3:
            return std::make_unique<Counted<CUtvendigKondensModul>>();
        case 4:
            return std::make_unique<Counted<CInnvendigKondensModul>>();
        case 6:
            return std::make_unique<Counted<CLydModul>>();
        case 7:
            return std::make_unique<Counted<COkonomiModul>>();
        }
        return std::make_unique<CPlaceholderModul>();
    }
    std::unique_ptr<CDocumentPart> CreateDescriptions() override { return std::make_unique<CProduktBeskrivelse>(); }
};

// The catalogue of ModuleTest with absorption products: "Absorb R" for
// rectangular ducts with 50 and 100 mm, "Absorb C" for circular ducts with
// 25 and 50 mm.
class AbsorberTest : public ModuleTest {
protected:
    AbsorberTest()
    {
        absorber(CDataBase::rectangularAbsorbers, "Absorb R", {50.0f, 100.0f});
        absorber(CDataBase::circularAbsorbers, "Absorb C", {25.0f, 50.0f});
    }

    CAbsorpsjon* Absorber(int list, std::size_t i) { return item<CAbsorpsjon>(list, i); }

    void absorber(int list, const std::string& name, std::initializer_list<float> thicknesses)
    {
        auto product = std::make_unique<CAbsorpsjon>(CDataBase::Info(list).kind);
        product->name = name;
        for (float t : thicknesses) {
            auto thickness = std::make_unique<CAbsorpsjonTykkelse>();
            thickness->SetThickness(t);
            thickness->factors = {0.1f * t / 50.0f, 0.4f, 0.8f, 0.9f, 0.85f, 0.7f};
            product->thicknesses.push_back(std::move(thickness));
        }
        database.lists[std::size_t(list)].push_back(std::move(product));
    }
};

// The record of an absorption thickness: list-item part and seven floats.
inline Record& AbsorberThicknessRecord(Record& r, const std::string& name, float thickness,
                                       const std::array<float, 6>& factors)
{
    r.Text(name).Text("").Float(thickness);
    for (float f : factors)
        r.Float(f);
    return r;
}

} // namespace module_test
