#pragma once

#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CVeske.h"
#include "doc/CArchive.h"
#include "platform/MemorySettings.h"
#include "platform/RecordingServices.h"
#include "platform/ScriptedPrompter.h"
#include "platform/ScriptedReplacementChooser.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace module_test {

using Bytes = std::vector<std::uint8_t>;

// A record put together by hand, value by value, in the file's byte order;
// it does not go through the archive writer it is meant to check.
class Record {
public:
    Record& Word(std::uint16_t v) { return raw(&v, 2); }
    Record& Long(std::int32_t v) { return raw(&v, 4); }
    Record& Float(float v) { return raw(&v, 4); }
    // A text of fewer than 255 Windows-1252 characters: length byte, bytes.
    Record& Text(const std::string& latin1)
    {
        bytes.push_back(std::uint8_t(latin1.size()));
        bytes.insert(bytes.end(), latin1.begin(), latin1.end());
        return *this;
    }
    Record& Add(const Bytes& more)
    {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    // The tag of a class not yet seen in the archive.
    Record& NewClass(const std::string& name)
    {
        Word(0xFFFF).Word(1).Word(std::uint16_t(name.size()));
        bytes.insert(bytes.end(), name.begin(), name.end());
        return *this;
    }
    Bytes bytes;

private:
    Record& raw(const void* p, std::size_t n)
    {
        // The test machine is little-endian like the file.
        const auto* b = static_cast<const std::uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
        return *this;
    }
};

// A module that counts the recalculations reading asks for, in place of
// its calculation.
template <class Module>
class Counting : public Module {
public:
    bool Calculate() override
    {
        ++calculations;
        return true;
    }
    int calculations = 0;
};

inline Bytes Stored(CItem& item)
{
    CArchive ar;
    item.Serialize(ar);
    return ar.Bytes();
}

// Reads the record into the item and insists that all of it was used.
inline void Restore(CItem& item, const Bytes& bytes)
{
    CArchive ar(bytes);
    item.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
}

inline bool Depends(const CListItem* item, const CItem* dependent)
{
    if (!item)
        return false;
    for (const CItem* entry : item->Dependents())
        if (entry == dependent)
            return true;
    return false;
}

// The recording services and a small catalogue, current for the whole
// program, that the modules choose from.
class ModuleTest : public ::testing::Test {
protected:
    ModuleTest() : services({&prompter, &settings, &editors, nullptr, nullptr, &chooser})
    {
        product(0, "Lamell", 250.0f);
        product(1, "Rörskål", 600.0f);
        userProduct("Egen A");
        userProduct("Egen B");
        cladding(CDataBase::outerCladdings, "Plåt", 0.3f);
        cladding(CDataBase::outerCladdings, "PVC", 0.9f);
        cladding(CDataBase::insideOuterSurfaces, "Puts", 0.8f);
        cladding(CDataBase::innerCladdings, "Inre folie", 0.2f);
        fitting("Ventil", 1.5f);
        fitting("Fläns", 0.5f);
        liquid("Vatten", 999.0f, 4180.0f, 0.0f);
        liquid("Glykol", 1050.0f, 3600.0f, -20.0f);
        material("Stål", 0.55f, {{"15", 21.3f, 2.6f}, {"25", 33.7f, 3.2f}});
        material("Koppar", 0.05f, {{"12", 12.0f, 1.0f}, {"22", 22.0f, 1.2f}});
        database.MakeCurrent();
        userDatabase.MakeCurrent();
    }

    template <class T>
    T* item(int list, std::size_t index)
    {
        return static_cast<T*>(database.lists[std::size_t(list)].at(index).get());
    }
    CIsoProdukt* Product(std::size_t i) { return item<CIsoProdukt>(CDataBase::insulationProducts, i); }
    CEgendefIsoProdukt* UserProduct(std::size_t i) { return userDatabase.products.at(i).get(); }
    CMantling* Cladding(int list, std::size_t i) { return item<CMantling>(list, i); }
    CTillegg2* Fitting(std::size_t i) { return item<CTillegg2>(CDataBase::fittings, i); }
    CVeske* Liquid(std::size_t i) { return item<CVeske>(CDataBase::liquids, i); }
    CRormaterial* Material(std::size_t i) { return item<CRormaterial>(CDataBase::pipeMaterials, i); }

    platform::ScriptedPrompter prompter;
    platform::MemorySettings settings;
    platform::ScriptedEditors editors;
    platform::ScriptedReplacementChooser chooser;
    platform::ScopedServices services;
    CDataBase database;
    CEgendefDatabase userDatabase;

private:
    struct Dim {
        const char* name;
        float diameter;
        float wall;
    };

    void product(int, const std::string& name, float maxTemperature)
    {
        auto p = std::make_unique<CIsoProdukt>();
        p->name = name;
        p->maxTemperature = maxTemperature;
        database.lists[CDataBase::insulationProducts].push_back(std::move(p));
    }
    void userProduct(const std::string& name)
    {
        auto p = std::make_unique<CEgendefIsoProdukt>();
        p->name = name;
        userDatabase.products.push_back(std::move(p));
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
    void liquid(const std::string& name, float density, float heat, float freezing)
    {
        auto v = std::make_unique<CVeske>();
        v->name = name;
        v->density = density;
        v->specificHeatCapacity = heat;
        v->freezingPoint = freezing;
        database.lists[CDataBase::liquids].push_back(std::move(v));
    }
    void material(const std::string& name, float emissivity, std::initializer_list<Dim> dims)
    {
        auto m = std::make_unique<CRormaterial>();
        m->name = name;
        m->emissivity = emissivity;
        for (const Dim& d : dims) {
            auto r = std::make_unique<CRordimensjon>();
            r->name = d.name;
            r->outerDiameter = d.diameter;
            r->wallThickness = d.wall;
            m->dimensions.push_back(std::move(r));
        }
        database.lists[CDataBase::pipeMaterials].push_back(std::move(m));
    }
};

} // namespace module_test
