// The text export of a calculated heat loss document, checked against a
// reviewed golden file (tests/app/golden/README.md says how to renew it).

#include "ScopedWorkingFolder.h"
#include "app/HeadlessExport.h"
#include "database/CDataBase.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "doc/CVekDoc.h"
#include "doc/FileIO.h"
#include "modules/CVarmeTapModul.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

template <class T>
T* Named(int list, const std::string& name)
{
    for (T* item : CDataBase::SystemItems<T>(list))
        if (item->name == name)
            return item;
    return nullptr;
}

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// A DN40 steel pipe, 48.3 × 3.2 mm, at 80 °C in a 20 °C room, 20 m, with
// 40 mm of stone wool pipe sections under a PVC jacket and the energy rows:
// made with the shipped catalogue, saved, exported as text.
TEST(HeatLossExport, TextOfACalculatedPipeMatchesTheGoldenFile)
{
    const ScopedWorkingFolder folder = ScopedWorkingFolder::Fresh("tekvar-heatloss");
    for (const char* file : {"tekvar.dat", "tekvar.ort", "tekvar.cst", "tekvar.ama"})
        fs::copy_file(fs::path(TEKVAR_BUILT_DATA) / file, file);

    {
        platform::ScriptedPrompter prompter;
        platform::MemorySettings settings;
        platform::ScopedServices services({.prompter = &prompter, .settings = &settings});
        StandardDocumentParts parts;
        CVekDoc doc(parts);
        doc.NewDocument();
        auto& m = static_cast<CVarmeTapModul&>(doc.Module(0));
        CRormaterial* steel = Named<CRormaterial>(CDataBase::pipeMaterials, "Stålrör, svetsat/svart");
        CIsoProdukt* section = Named<CIsoProdukt>(CDataBase::insulationProducts, "Rörskål stenull 100 kg/m³");
        CMantling* pvc = Named<CMantling>(CDataBase::outerCladdings, "PVC-mantel");
        ASSERT_TRUE(steel && section && pvc);
        m.Pipe().SetMaterial(steel, true);
        for (const auto& dimension : steel->dimensions)
            if (dimension->name == "DN40")
                m.Pipe().SetDimension(*dimension);
        m.TakePipeValues();
        ASSERT_EQ(m.pipeOuterDiameter, 48.3f);
        m.mediumTemp = 80.0f;
        m.ambientTemp = 20.0f;
        m.layer1.SetCatalogueProduct(section);
        m.layer1.catalogueThickness = 40.0f;
        m.SetOuterCladding(pvc);
        m.energyCalc = true;
        ASSERT_TRUE(m.Calculate());
        EXPECT_TRUE(prompter.Texts().empty());
        ASSERT_TRUE(doc.SaveDocument("varmetap.tkv"));
    }

    std::string error;
    auto line = ParseCommandLine({"--export", "varmetap.txt", "varmetap.tkv"}, error);
    ASSERT_TRUE(line) << error;
    std::ostringstream errors;
    const int status = RunExport(*line, errors);
    const std::string text = FileText("varmetap.txt");
    // The document beside the build's tests, for rendering it by hand.
    fs::copy_file("varmetap.tkv", fs::path(TEKVAR_TEST_OUTPUT) / "heat_loss_pipe.tkv",
                  fs::copy_options::overwrite_existing);

    ASSERT_EQ(status, 0) << errors.str();
    EXPECT_EQ(errors.str(), "");
    const fs::path golden = fs::path(TEKVAR_GOLDEN_DIR) / "heat_loss_pipe.txt";
    if (std::getenv("TEKVAR_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << text;
        GTEST_SKIP() << "wrote " << golden;
    }
    EXPECT_EQ(text, FileText(golden)) << "the export changed; see tests/app/golden/README.md";
}
