#pragma once

#include "JsonText.h"
#include "database/CAbsorpsjon.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoKostnad.h"
#include "database/CIsoProdukt.h"
#include "database/CKlimasted.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CVVSAMATekst.h"
#include "database/CVeske.h"

#include <memory>
#include <string>

// Each catalogue item as a JSON object of its figures, and back. The JSON
// leaves out what follows from the rest (a thickness's name is its size
// written with "%.1f", a location's list line is its name and values, a
// cladding's kind is its list's), but writes it whenever an item's stored
// value differs, so a dump built again gives the file it came from.
//
// A maker's product may give its curve as the conductivities declared for
// its class ("declaredConductivity") instead of coefficients; the build fits
// the cubic to them. `context` names the item in messages.
class ItemJson {
public:
    static Json ToJson(const CIsoProdukt& product);
    static Json ToJson(const CEgendefIsoProdukt& product);
    static Json ToJson(const CAbsorpsjon& absorber, int listKind);
    static Json ToJson(const CMantling& cladding, int listKind);
    static Json ToJson(const CTillegg2& fitting);
    static Json ToJson(const CVeske& liquid);
    static Json ToJson(const CRormaterial& material);
    static Json ToJson(const CKlimasted& location);
    static Json ToJson(const CIsoKostnad& cost);
    static Json ToJson(const CVVSAMATekst& text);

    static std::unique_ptr<CIsoProdukt> Product(const Json& json, const std::string& context);
    static std::unique_ptr<CEgendefIsoProdukt> UserProduct(const Json& json, const std::string& context);
    static std::unique_ptr<CAbsorpsjon> Absorber(const Json& json, int listKind, const std::string& context);
    static std::unique_ptr<CMantling> Cladding(const Json& json, int listKind, const std::string& context);
    static std::unique_ptr<CTillegg2> Fitting(const Json& json, const std::string& context);
    static std::unique_ptr<CVeske> Liquid(const Json& json, const std::string& context);
    static std::unique_ptr<CRormaterial> PipeMaterial(const Json& json, const std::string& context);
    static std::unique_ptr<CKlimasted> Location(const Json& json, const std::string& context);
    static std::unique_ptr<CIsoKostnad> Cost(const Json& json, const std::string& context);
    static CVVSAMATekst Text(const Json& json, const std::string& context);

    // The key of object kind 0 … 6 in "usage": "pipe", "circularDuct", …
    static const char* KindKey(int kind);
};
