#pragma once

#include "CatalogueTestSupport.h"
#include "database/CAbsorpsjon.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CVeske.h"

#include <memory>

// One item of every catalogue class and its record written out by hand.
// Floats are the little-endian IEEE single bytes of the value in the comment.
namespace catalogue_test {

// "25.0", 25.0; no description.
inline const Bytes isoTykkelseRecord = {0x04, '2', '5', '.', '0', 0x00, 0x00, 0xC8, 0x41};

// "Lamell" with the default values, usable for pipes and tanks, two pictures;
// the thickness list follows separately.
inline const Bytes isoProduktFields = {
    0x06, 'L', 'a', 'm', 'e', 'l', 'l', // name
    0x00,                               // description
    0x00, 0x00, 0x48, 0x43,             // max temperature 200
    0x00, 0x00, 0x20, 0x41,             // min thickness 10
    0x00, 0x00, 0x7A, 0x44,             // max thickness 1000
    0x67, 0x88, 0xCF, 0x30,             // a 1.51e-9
    0x01, 0xA9, 0x0C, 0x34,             // b 1.31e-7
    0xC5, 0x73, 0x36, 0x39,             // c 1.74e-4
    0x96, 0x43, 0x0B, 0x3D,             // d 0.034
    0xFF, 0xFF, 0x00, 0x00,             // insulation colour, yellow
    0xC0, 0xC0, 0xC0, 0x00,             // surface colour, light grey
    0x01, 0x00, 0x00, 0x00,             // usable for pipes, not for kinds 1 … 5
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x01, 0x00, 0x00, 0x00,             // usable for tanks
    0x05, 'r', '.', 'j', 'p', 'g',      // picture slot 0
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // slots 1 … 8
    0x05, 'v', '.', 'j', 'p', 'g',      // slot 9
    0x00, 0x00, 0x00, 0x00, 0x00,       // slots 10 … 14
};

inline std::unique_ptr<CIsoProdukt> MakeIsoProdukt()
{
    auto product = std::make_unique<CIsoProdukt>();
    product->name = "Lamell";
    product->usageFlags[0] = true;
    product->usageFlags[6] = true;
    product->pictures[0] = "r.jpg";
    product->pictures[9] = "v.jpg";
    product->thicknesses.push_back(std::make_unique<CIsoTykkelse>());
    return product;
}

// "Egen" with the default values and the default points, no thicknesses.
inline const Bytes egendefFields = {
    0x04, 'E', 'g', 'e', 'n', 0x00,                         //
    0x00, 0x00, 0x48, 0x43, 0x00, 0x00, 0x20, 0x41,         // 200, 10
    0x00, 0x00, 0x7A, 0x44, 0x67, 0x88, 0xCF, 0x30,         // 1000, a
    0x01, 0xA9, 0x0C, 0x34, 0xC5, 0x73, 0x36, 0x39,         // b, c
    0x96, 0x43, 0x0B, 0x3D,                                 // d
    0xFF, 0xFF, 0x00, 0x00, 0xC0, 0xC0, 0xC0, 0x00,         // colours
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // no usage
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00,                                                   // 15 empty pictures
    0x00, 0x00,                                             // no thicknesses
    0x00, 0x00, 0x00, 0x00, 0x96, 0x43, 0x0B, 0x3D,         // 0 °C, 0.034
    0x00, 0x00, 0x0C, 0x42, 0x58, 0x39, 0x34, 0x3D,         // 35 °C, 0.044
    0x00, 0x00, 0x8C, 0x42, 0xFC, 0xA9, 0x71, 0x3D,         // 70 °C, 0.059
    0x00, 0x00, 0xFA, 0x42, 0x2D, 0xB2, 0x9D, 0x3D,         // 125 °C, 0.077
    0x00, 0x00, 0x00, 0x00,                                 // four points
};

inline std::unique_ptr<CEgendefIsoProdukt> MakeEgendef(const std::string& name = "Egen")
{
    auto product = std::make_unique<CEgendefIsoProdukt>();
    product->name = name;
    return product;
}

// "Plåt" (Windows-1252), emissivity 0.9, colour 0x00112233, kind 2.
inline const Bytes mantlingRecord = {
    0x04, 'P', 'l', 0xE5, 't', 0x00, 0x66, 0x66, 0x66, 0x3F, 0x33, 0x22, 0x11, 0x00, 0x02, 0x00,
};

inline std::unique_ptr<CMantling> MakeMantling(int kind = CMantling::innerCladding)
{
    auto cladding = std::make_unique<CMantling>(kind);
    cladding->name = "Plåt";
    cladding->emissivity = 0.9f;
    cladding->colour = 0x00112233;
    return cladding;
}

// The default length: "10 - 50 mm", 1.0 m, 10 … 50 mm.
inline const Bytes tilleggslengdeRecord = {
    0x0A, '1', '0', ' ', '-', ' ', '5', '0', ' ', 'm', 'm', 0x00, //
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x20, 0x41, 0x00, 0x00, 0x48, 0x42,
};

// "Ventil" with the default length; its list follows the name.
inline const Bytes tillegg2Fields = {0x06, 'V', 'e', 'n', 't', 'i', 'l', 0x00};

inline std::unique_ptr<CTillegg2> MakeTillegg2()
{
    auto fitting = std::make_unique<CTillegg2>();
    fitting->name = "Ventil";
    fitting->lengths.push_back(std::make_unique<CTilleggslengde>());
    return fitting;
}

// "Vatten", 999 kg/m³, 4180 J/(kg·K), 0 °C.
inline const Bytes veskeRecord = {
    0x06, 'V', 'a', 't', 't', 'e', 'n', 0x00, //
    0x00, 0xC0, 0x79, 0x44, 0x00, 0xA0, 0x82, 0x45, 0x00, 0x00, 0x00, 0x00,
};

inline std::unique_ptr<CVeske> MakeVeske()
{
    auto liquid = std::make_unique<CVeske>();
    liquid->name = "Vatten";
    return liquid;
}

// The default dimension "50.0": wall 2 mm before the diameter 32 mm.
inline const Bytes rordimensjonRecord = {
    0x04, '5', '0', '.', '0', 0x00, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x42,
};

// "Stål" with the default values; its dimension list follows.
inline const Bytes rormaterialFields = {
    0x04, 'S', 't', 0xE5, 'l', 0x00, //
    0x00, 0x00, 0x80, 0x3F,          // λ0 1.0
    0x6F, 0x12, 0x83, 0x3A,          // k 0.001
    0x00, 0x00, 0x00, 0x3F,          // emissivity 0.5
    0x00, 0x00, 0x20, 0xC2,          // −40 °C
    0x00, 0x00, 0xC8, 0x42,          // 100 °C
};

inline std::unique_ptr<CRormaterial> MakeRormaterial()
{
    auto material = std::make_unique<CRormaterial>();
    material->name = "Stål";
    material->dimensions.push_back(std::make_unique<CRordimensjon>());
    return material;
}

// The default thickness "50.0" with its six factors.
inline const Bytes absorpsjonTykkelseRecord = {
    0x04, '5', '0', '.', '0', 0x00, 0x00, 0x00, 0x48, 0x42, //
    0x00, 0x00, 0x80, 0x3E, 0x66, 0x66, 0x26, 0x3F, 0x33, 0x33, 0x73, 0x3F, // 0.25 0.65 0.95
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F, // 1 1 1
};

// "Abs" of the given kind: colours, kind, then the vertical, horizontal and
// four-sides pictures; the thickness list follows.
inline Bytes AbsorpsjonFields(std::uint8_t kind)
{
    return Bytes{0x03, 'A', 'b', 's', 0x00,                 //
                 0xFF, 0xFF, 0x00, 0x00, 0xC0, 0xC0, 0xC0, 0x00, // colour1, colour2
                 kind, 0x00,                                //
                 0x05, 'v', '.', 'j', 'p', 'g',             //
                 0x05, 'h', '.', 'j', 'p', 'g',             //
                 0x05, 'f', '.', 'j', 'p', 'g'};
}

inline std::unique_ptr<CAbsorpsjon> MakeAbsorpsjon(int kind)
{
    auto product = std::make_unique<CAbsorpsjon>(kind);
    product->name = "Abs";
    product->verticalPicture = "v.jpg";
    product->horizontalPicture = "h.jpg";
    product->fourSidesPicture = "f.jpg";
    product->thicknesses.push_back(std::make_unique<CAbsorpsjonTykkelse>());
    return product;
}

} // namespace catalogue_test
