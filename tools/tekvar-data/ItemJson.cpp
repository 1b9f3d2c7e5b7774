#include "ItemJson.h"

#include "ConductivityFit.h"
#include "DataError.h"
#include "FieldReader.h"
#include "doc/StringTable.h"

#include <cstdio>

namespace {

const char* const kindKeys[ObjectKindCount] = {
    "pipe", "circularDuct", "rectangularDuctOutside", "rectangularDuctInside", "surfaceOutside", "surfaceInside", "tank",
};

std::string colourText(std::uint32_t colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(colour));
    return text;
}

std::string at(const std::string& context, std::size_t index, const char* what)
{
    return context + ", " + what + " " + std::to_string(index + 1);
}

Json start(const CListItem& item)
{
    Json json = Json::object();
    json["name"] = item.name;
    if (!item.description.empty())
        json["description"] = item.description;
    return json;
}

void takeName(FieldReader& fields, CListItem& item)
{
    item.name = fields.Text("name");
    item.description = fields.TextOr("description", "");
}

// A size whose name is its "%.1f" text is written as the bare number.
Json sizeOrNamed(const std::string& name, float size, const char* sizeKey)
{
    if (name == Sprintf("%.1f", double(size)))
        return JsonText::Number(size);
    Json json = Json::object();
    json["name"] = name;
    json[sizeKey] = JsonText::Number(size);
    return json;
}

Json coefficients(float a, float b, float c, float d)
{
    Json json = Json::object();
    json["a"] = JsonText::Number(a);
    json["b"] = JsonText::Number(b);
    json["c"] = JsonText::Number(c);
    json["d"] = JsonText::Number(d);
    return json;
}

void addProductFields(Json& json, const CIsoProdukt& product)
{
    Json usage = Json::array();
    for (int kind = 0; kind < ObjectKindCount; ++kind)
        if (product.usageFlags[std::size_t(kind)])
            usage.push_back(kindKeys[kind]);
    json["usage"] = std::move(usage);
    json["maxTemperature"] = JsonText::Number(product.maxTemperature);
    json["minThickness"] = JsonText::Number(product.minThickness);
    json["maxThickness"] = JsonText::Number(product.maxThickness);
    Json thicknesses = Json::array();
    for (const auto& thickness : product.thicknesses)
        thicknesses.push_back(sizeOrNamed(thickness->name, thickness->thickness, "thickness"));
    json["thicknesses"] = std::move(thicknesses);
    json["coefficients"] = coefficients(product.a, product.b, product.c, product.d);
    const CIsoProdukt defaults;
    if (product.insulationColour != defaults.insulationColour)
        json["insulationColour"] = colourText(product.insulationColour);
    if (product.surfaceColour != defaults.surfaceColour)
        json["surfaceColour"] = colourText(product.surfaceColour);
    bool anyPicture = false;
    for (const std::string& picture : product.pictures)
        anyPicture = anyPicture || !picture.empty();
    if (anyPicture) {
        Json pictures = Json::array();
        for (const std::string& picture : product.pictures)
            pictures.push_back(picture);
        json["pictures"] = std::move(pictures);
    }
}

std::vector<ConductivityFit::Point> readPoints(const Json& list, const std::string& context)
{
    std::vector<ConductivityFit::Point> points;
    for (std::size_t i = 0; i < list.size(); ++i) {
        FieldReader point(list[i], at(context, i, "declared conductivity"));
        points.push_back({point.Float("temperature"), point.Float("lambda")});
        point.Finish();
    }
    return points;
}

// Everything of a product but the curve, which maker's and user's products
// give differently.
void readProductFields(FieldReader& fields, CIsoProdukt& product)
{
    takeName(fields, product);
    const Json& usage = fields.ArrayOf("usage");
    for (const Json& key : usage) {
        int kind = 0;
        while (kind < ObjectKindCount && key != kindKeys[kind])
            ++kind;
        if (kind == ObjectKindCount)
            fields.Fail("\"usage\" holds an unknown object kind (known: pipe, circularDuct, rectangularDuctOutside, "
                        "rectangularDuctInside, surfaceOutside, surfaceInside, tank)");
        if (product.usageFlags[std::size_t(kind)])
            fields.Fail(std::string("\"usage\" names ") + kindKeys[kind] + " twice");
        product.usageFlags[std::size_t(kind)] = true;
    }
    product.maxTemperature = fields.Float("maxTemperature");
    product.minThickness = fields.Float("minThickness");
    product.maxThickness = fields.Float("maxThickness");

    const Json& thicknesses = fields.ArrayOf("thicknesses");
    for (std::size_t i = 0; i < thicknesses.size(); ++i) {
        const Json& entry = thicknesses[i];
        const std::string context = at(fields.context(), i, "thickness");
        if (entry.is_object()) {
            FieldReader thickness(entry, context);
            auto item = std::make_unique<CIsoTykkelse>(thickness.Float("thickness"));
            item->name = thickness.Text("name");
            thickness.Finish();
            product.thicknesses.push_back(std::move(item));
        } else {
            product.thicknesses.push_back(std::make_unique<CIsoTykkelse>(FieldReader::ToFloat(entry, context)));
        }
    }

    product.insulationColour = fields.ColourOr("insulationColour", product.insulationColour);
    product.surfaceColour = fields.ColourOr("surfaceColour", product.surfaceColour);
    if (const Json* pictures = fields.Optional("pictures")) {
        if (!pictures->is_array() || pictures->size() != CIsoProdukt::pictureCount)
            fields.Fail("\"pictures\" must list all 15 picture names");
        for (std::size_t i = 0; i < product.pictures.size(); ++i) {
            const Json& picture = (*pictures)[i];
            if (!picture.is_string())
                fields.Fail("a picture name must be a text");
            product.pictures[i] = picture.get<std::string>();
            FieldReader::CheckStorable(product.pictures[i], fields.context());
        }
    }
}

bool readCoefficients(FieldReader& fields, CIsoProdukt& product)
{
    const Json* json = fields.Optional("coefficients");
    if (!json)
        return false;
    FieldReader k(*json, fields.context() + ", coefficients");
    product.a = k.Float("a");
    product.b = k.Float("b");
    product.c = k.Float("c");
    product.d = k.Float("d");
    k.Finish();
    return true;
}

} // namespace

const char* ItemJson::KindKey(int kind)
{
    return kind >= 0 && kind < ObjectKindCount ? kindKeys[kind] : "";
}

Json ItemJson::ToJson(const CIsoProdukt& product)
{
    Json json = start(product);
    addProductFields(json, product);
    return json;
}

Json ItemJson::ToJson(const CEgendefIsoProdukt& product)
{
    Json json = ToJson(static_cast<const CIsoProdukt&>(product));
    Json points = Json::array();
    for (std::size_t i = 0; i < CEgendefIsoProdukt::pointCount; ++i) {
        Json point = Json::object();
        point["temperature"] = JsonText::Number(product.temperatures[i]);
        point["lambda"] = JsonText::Number(product.conductivities[i]);
        points.push_back(std::move(point));
    }
    json["points"] = std::move(points);
    json["threePointMode"] = product.threePointMode;
    return json;
}

std::unique_ptr<CIsoProdukt> ItemJson::Product(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto product = std::make_unique<CIsoProdukt>();
    readProductFields(fields, *product);
    const bool given = readCoefficients(fields, *product);
    if (const Json* declared = fields.Optional("declaredConductivity")) {
        if (!declared->is_array())
            fields.Fail("\"declaredConductivity\" must be a list [...]");
        const std::vector<ConductivityFit::Point> points = readPoints(*declared, context);
        if (given) {
            // Coefficients given beside the declared values must still meet them.
            const ConductivityFit::Cubic k{product->a, product->b, product->c, product->d};
            if (ConductivityFit::WorstDeviation(k, points) > ConductivityFit::tolerance)
                fields.Fail("the coefficients miss a declared conductivity by more than 1 %");
        } else {
            const ConductivityFit::Cubic k = ConductivityFit::Fit(points, context);
            product->a = k.a;
            product->b = k.b;
            product->c = k.c;
            product->d = k.d;
        }
    } else if (!given) {
        fields.Fail("neither \"coefficients\" nor \"declaredConductivity\" gives the conductivity");
    }
    fields.Finish();
    return product;
}

std::unique_ptr<CEgendefIsoProdukt> ItemJson::UserProduct(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto product = std::make_unique<CEgendefIsoProdukt>();
    readProductFields(fields, *product);
    const Json& points = fields.ArrayOf("points");
    if (points.size() != CEgendefIsoProdukt::pointCount)
        fields.Fail("\"points\" must hold four points");
    for (std::size_t i = 0; i < CEgendefIsoProdukt::pointCount; ++i) {
        FieldReader point(points[i], at(context, i, "point"));
        product->temperatures[i] = point.Float("temperature");
        product->conductivities[i] = point.Float("lambda");
        point.Finish();
    }
    product->threePointMode = fields.BoolOr("threePointMode", false);
    if (!readCoefficients(fields, *product) && !product->FitCoefficients())
        fields.Fail("no curve passes through the points (two share a temperature)");
    fields.Finish();
    return product;
}

Json ItemJson::ToJson(const CAbsorpsjon& absorber, int listKind)
{
    Json json = start(absorber);
    if (absorber.kind != listKind)
        json["kind"] = absorber.kind;
    const CAbsorpsjon defaults;
    if (absorber.colour1 != defaults.colour1)
        json["colour1"] = colourText(absorber.colour1);
    if (absorber.colour2 != defaults.colour2)
        json["colour2"] = colourText(absorber.colour2);
    if (!absorber.verticalPicture.empty())
        json["verticalPicture"] = absorber.verticalPicture;
    if (!absorber.horizontalPicture.empty())
        json["horizontalPicture"] = absorber.horizontalPicture;
    if (!absorber.fourSidesPicture.empty())
        json["fourSidesPicture"] = absorber.fourSidesPicture;
    Json thicknesses = Json::array();
    for (const auto& thickness : absorber.thicknesses) {
        Json entry = Json::object();
        if (thickness->name != Sprintf("%.1f", double(thickness->thickness)))
            entry["name"] = thickness->name;
        if (!thickness->description.empty())
            entry["description"] = thickness->description;
        entry["thickness"] = JsonText::Number(thickness->thickness);
        Json factors = Json::array();
        for (const float factor : thickness->factors)
            factors.push_back(JsonText::Number(factor));
        entry["factors"] = std::move(factors);
        thicknesses.push_back(std::move(entry));
    }
    json["thicknesses"] = std::move(thicknesses);
    return json;
}

std::unique_ptr<CAbsorpsjon> ItemJson::Absorber(const Json& json, int listKind, const std::string& context)
{
    FieldReader fields(json, context);
    auto absorber = std::make_unique<CAbsorpsjon>(fields.IntOr("kind", listKind));
    takeName(fields, *absorber);
    absorber->colour1 = fields.ColourOr("colour1", absorber->colour1);
    absorber->colour2 = fields.ColourOr("colour2", absorber->colour2);
    absorber->verticalPicture = fields.TextOr("verticalPicture", "");
    absorber->horizontalPicture = fields.TextOr("horizontalPicture", "");
    absorber->fourSidesPicture = fields.TextOr("fourSidesPicture", "");
    const Json& thicknesses = fields.ArrayOf("thicknesses");
    for (std::size_t i = 0; i < thicknesses.size(); ++i) {
        FieldReader entry(thicknesses[i], at(context, i, "thickness"));
        auto thickness = std::make_unique<CAbsorpsjonTykkelse>();
        thickness->SetThickness(entry.Float("thickness"));
        thickness->name = entry.TextOr("name", thickness->name);
        thickness->description = entry.TextOr("description", "");
        const Json& factors = entry.ArrayOf("factors");
        if (factors.size() != CAbsorpsjonTykkelse::bandCount)
            entry.Fail("\"factors\" must hold six values, 125 to 4000 Hz");
        for (std::size_t band = 0; band < thickness->factors.size(); ++band)
            thickness->factors[band] = FieldReader::ToFloat(factors[band], entry.context() + ": factor");
        entry.Finish();
        absorber->thicknesses.push_back(std::move(thickness));
    }
    fields.Finish();
    return absorber;
}

Json ItemJson::ToJson(const CMantling& cladding, int listKind)
{
    Json json = start(cladding);
    json["emissivity"] = JsonText::Number(cladding.emissivity);
    if (cladding.colour != CMantling().colour)
        json["colour"] = colourText(cladding.colour);
    if (cladding.kind != listKind)
        json["kind"] = cladding.kind;
    return json;
}

std::unique_ptr<CMantling> ItemJson::Cladding(const Json& json, int listKind, const std::string& context)
{
    FieldReader fields(json, context);
    auto cladding = std::make_unique<CMantling>(fields.IntOr("kind", listKind));
    takeName(fields, *cladding);
    cladding->emissivity = fields.Float("emissivity");
    cladding->colour = fields.ColourOr("colour", cladding->colour);
    fields.Finish();
    return cladding;
}

Json ItemJson::ToJson(const CTillegg2& fitting)
{
    Json json = start(fitting);
    Json lengths = Json::array();
    for (const auto& length : fitting.lengths) {
        Json entry = Json::object();
        CTilleggslengde named = *length;
        named.UpdateName();
        if (named.name != length->name)
            entry["name"] = length->name;
        if (!length->description.empty())
            entry["description"] = length->description;
        entry["minDiameter"] = JsonText::Number(length->minPipeDiameter);
        entry["maxDiameter"] = JsonText::Number(length->maxPipeDiameter);
        entry["length"] = JsonText::Number(length->equivalentLength);
        lengths.push_back(std::move(entry));
    }
    json["lengths"] = std::move(lengths);
    return json;
}

std::unique_ptr<CTillegg2> ItemJson::Fitting(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto fitting = std::make_unique<CTillegg2>();
    takeName(fields, *fitting);
    const Json& lengths = fields.ArrayOf("lengths");
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        FieldReader entry(lengths[i], at(context, i, "length"));
        auto length = std::make_unique<CTilleggslengde>();
        length->minPipeDiameter = entry.Float("minDiameter");
        length->maxPipeDiameter = entry.Float("maxDiameter");
        length->equivalentLength = entry.Float("length");
        length->UpdateName();
        length->name = entry.TextOr("name", length->name);
        length->description = entry.TextOr("description", "");
        entry.Finish();
        fitting->lengths.push_back(std::move(length));
    }
    fields.Finish();
    return fitting;
}

Json ItemJson::ToJson(const CVeske& liquid)
{
    Json json = start(liquid);
    json["density"] = JsonText::Number(liquid.density);
    json["specificHeat"] = JsonText::Number(liquid.specificHeatCapacity);
    json["freezingPoint"] = JsonText::Number(liquid.freezingPoint);
    return json;
}

std::unique_ptr<CVeske> ItemJson::Liquid(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto liquid = std::make_unique<CVeske>();
    takeName(fields, *liquid);
    liquid->density = fields.Float("density");
    liquid->specificHeatCapacity = fields.Float("specificHeat");
    liquid->freezingPoint = fields.Float("freezingPoint");
    fields.Finish();
    return liquid;
}

Json ItemJson::ToJson(const CRormaterial& material)
{
    Json json = start(material);
    json["conductivityAtZero"] = JsonText::Number(material.conductivityAtZero);
    json["temperatureCoefficient"] = JsonText::Number(material.temperatureCoefficient);
    json["emissivity"] = JsonText::Number(material.emissivity);
    json["minTemperature"] = JsonText::Number(material.minAllowedTemperature);
    json["maxTemperature"] = JsonText::Number(material.maxAllowedTemperature);
    Json dimensions = Json::array();
    for (const auto& dimension : material.dimensions) {
        Json entry = start(*dimension);
        entry["outerDiameter"] = JsonText::Number(dimension->outerDiameter);
        entry["wallThickness"] = JsonText::Number(dimension->wallThickness);
        dimensions.push_back(std::move(entry));
    }
    json["dimensions"] = std::move(dimensions);
    return json;
}

std::unique_ptr<CRormaterial> ItemJson::PipeMaterial(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto material = std::make_unique<CRormaterial>();
    takeName(fields, *material);
    material->conductivityAtZero = fields.Float("conductivityAtZero");
    material->temperatureCoefficient = fields.Float("temperatureCoefficient");
    material->emissivity = fields.Float("emissivity");
    material->minAllowedTemperature = fields.Float("minTemperature");
    material->maxAllowedTemperature = fields.Float("maxTemperature");
    const Json& dimensions = fields.ArrayOf("dimensions");
    for (std::size_t i = 0; i < dimensions.size(); ++i) {
        FieldReader entry(dimensions[i], at(context, i, "dimension"));
        auto dimension = std::make_unique<CRordimensjon>();
        takeName(entry, *dimension);
        dimension->outerDiameter = entry.Float("outerDiameter");
        dimension->wallThickness = entry.Float("wallThickness");
        entry.Finish();
        material->dimensions.push_back(std::move(dimension));
    }
    fields.Finish();
    return material;
}

Json ItemJson::ToJson(const CKlimasted& location)
{
    Json json = start(location);
    json["temperature"] = JsonText::Number(location.annualMeanTemperature);
    json["windSpeed"] = JsonText::Number(location.annualMeanWindSpeed);
    CKlimasted derived = location;
    derived.UpdateDisplayText();
    if (derived.displayText != location.displayText)
        json["displayText"] = location.displayText;
    return json;
}

std::unique_ptr<CKlimasted> ItemJson::Location(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto location = std::make_unique<CKlimasted>();
    takeName(fields, *location);
    location->annualMeanTemperature = fields.Float("temperature");
    location->annualMeanWindSpeed = fields.Float("windSpeed");
    location->UpdateDisplayText();
    location->displayText = fields.TextOr("displayText", location->displayText);
    fields.Finish();
    return location;
}

Json ItemJson::ToJson(const CIsoKostnad& cost)
{
    Json json = Json::object();
    json["name"] = cost.name;
    CIsoKostnad derived = cost;
    std::string unit;
    for (const char* candidate : {"m", "m²"}) {
        derived.UpdateDisplayText(candidate);
        if (derived.displayText == cost.displayText)
            unit = candidate;
    }
    if (!unit.empty())
        json["unit"] = unit;
    else
        json["displayText"] = cost.displayText;
    json["cost"] = JsonText::Number(cost.cost);
    return json;
}

std::unique_ptr<CIsoKostnad> ItemJson::Cost(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto cost = std::make_unique<CIsoKostnad>();
    cost->name = fields.Text("name");
    cost->cost = fields.Float("cost");
    if (fields.Has("displayText")) {
        cost->displayText = fields.Text("displayText");
    } else {
        const std::string unit = fields.Text("unit");
        if (unit != "m" && unit != "m²")
            fields.Fail("\"unit\" must be \"m\" (pipes and ducts) or \"m²\" (surfaces)");
        cost->UpdateDisplayText(unit);
    }
    fields.Finish();
    return cost;
}

Json ItemJson::ToJson(const CVVSAMATekst& text)
{
    Json json = Json::object();
    json["heading"] = text.heading;
    json["body"] = text.body;
    return json;
}

CVVSAMATekst ItemJson::Text(const Json& json, const std::string& context)
{
    FieldReader fields(json, context);
    CVVSAMATekst text;
    text.heading = fields.Text("heading");
    text.body = fields.Text("body");
    fields.Finish();
    return text;
}
