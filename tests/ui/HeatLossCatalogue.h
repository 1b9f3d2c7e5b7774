#pragma once

#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "database/CIsoTykkelse.h"
#include "database/CMantling.h"
#include "database/CRordimensjon.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CTilleggslengde.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/Editors.h"
#include "ui/QtEditorService.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

// The services the dialogs talk through and a small catalogue, current for
// the whole program, for the heat loss dialogs to offer.
class HeatLossCatalogueTest : public ::testing::Test {
protected:
    HeatLossCatalogueTest()
    {
        RegisterEditors(editors);
        // Pipes and surfaces only: no ducts, no tanks.
        product("Lamell", 250.0f, {0, 4, 5}, {30.0f, 40.0f, 50.0f}, 20.0f, 120.0f);
        product("Rörskål", 600.0f, {0, 1, 2, 3, 4, 5}, {20.0f, 40.0f, 60.0f}, 10.0f, 200.0f);
        product("Kallrör", 15.0f, {0, 1, 2, 3, 4, 5}, {25.0f}, 10.0f, 100.0f);
        auto own = std::make_unique<CEgendefIsoProdukt>();
        own->name = "Egen isolering";
        own->usageFlags.fill(true);
        userDatabase.products.push_back(std::move(own));
        cladding(CDataBase::outerCladdings, "Plåt", 0.3f);
        cladding(CDataBase::outerCladdings, "PVC", 0.9f);
        cladding(CDataBase::insideOuterSurfaces, "Puts", 0.8f);
        cladding(CDataBase::innerCladdings, "Inre folie", 0.2f);
        fitting("Ventil", 1.5f);
        fitting("Fläns", 0.5f);
        auto steel = std::make_unique<CRormaterial>();
        steel->name = "Stål";
        steel->emissivity = 0.55f;
        for (auto [name, d, wall] : {std::tuple{"15", 21.3f, 2.6f}, std::tuple{"40", 48.3f, 3.2f}}) {
            auto dimension = std::make_unique<CRordimensjon>();
            dimension->name = name;
            dimension->outerDiameter = d;
            dimension->wallThickness = wall;
            steel->dimensions.push_back(std::move(dimension));
        }
        database.lists[CDataBase::pipeMaterials].push_back(std::move(steel));
        auto copper = std::make_unique<CRormaterial>();
        copper->name = "Koppar";
        copper->emissivity = 0.05f;
        auto tube = std::make_unique<CRordimensjon>();
        tube->name = "22";
        tube->outerDiameter = 22.0f;
        tube->wallThickness = 1.2f;
        copper->dimensions.push_back(std::move(tube));
        database.lists[CDataBase::pipeMaterials].push_back(std::move(copper));
        database.MakeCurrent();
        userDatabase.MakeCurrent();
    }

    template <class T>
    T* Item(int list, std::size_t index)
    {
        return static_cast<T*>(database.lists[std::size_t(list)].at(index).get());
    }
    CIsoProdukt* Product(std::size_t i) { return Item<CIsoProdukt>(CDataBase::insulationProducts, i); }
    CMantling* Cladding(int list, std::size_t i) { return Item<CMantling>(list, i); }
    CTillegg2* Fitting(std::size_t i) { return Item<CTillegg2>(CDataBase::fittings, i); }
    CRormaterial* Material(std::size_t i) { return Item<CRormaterial>(CDataBase::pipeMaterials, i); }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    QtEditorService editors;
    platform::RecordingHelp help;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings, .editors = &editors, .help = &help}};
    CDataBase database;
    CEgendefDatabase userDatabase;

private:
    void product(const std::string& name, float maxTemperature, std::initializer_list<int> kinds,
                 std::initializer_list<float> thicknesses, float minThickness, float maxThickness)
    {
        auto p = std::make_unique<CIsoProdukt>();
        p->name = name;
        p->maxTemperature = maxTemperature;
        for (int kind : kinds)
            p->usageFlags[std::size_t(kind)] = true;
        for (float t : thicknesses)
            p->thicknesses.push_back(std::make_unique<CIsoTykkelse>(t));
        p->minThickness = minThickness;
        p->maxThickness = maxThickness;
        database.lists[CDataBase::insulationProducts].push_back(std::move(p));
    }
    void cladding(int list, const std::string& name, float emissivity)
    {
        auto c = std::make_unique<CMantling>(CDataBase::Info(list).kind);
        c->name = name;
        c->emissivity = emissivity;
        database.lists[std::size_t(list)].push_back(std::move(c));
    }
    void fitting(const std::string& name, float length)
    {
        auto f = std::make_unique<CTillegg2>();
        f->name = name;
        auto l = std::make_unique<CTilleggslengde>();
        l->equivalentLength = length;
        f->lengths.push_back(std::move(l));
        database.lists[CDataBase::fittings].push_back(std::move(f));
    }
};
