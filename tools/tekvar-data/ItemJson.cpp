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

JsonValue start(const CListItem& item)
{
    JsonValue json = JsonValue::Object();
    json.Add("name", JsonValue::String(item.name));
    if (!item.description.empty())
        json.Add("description", JsonValue::String(item.description));
    return json;
}

void takeName(FieldReader& fields, CListItem& item)
{
    item.name = fields.Text("name");
    item.description = fields.TextOr("description", "");
}

// A size whose name is its "%.1f" text is written as the bare number.
JsonValue sizeOrNamed(const std::string& name, float size, const char* sizeKey)
{
    if (name == Sprintf("%.1f", double(size)))
        return JsonValue::Number(size);
    JsonValue json = JsonValue::Object();
    json.Add("name", JsonValue::String(name));
    json.Add(sizeKey, JsonValue::Number(size));
    return json;
}

JsonValue coefficients(float a, float b, float c, float d)
{
    JsonValue json = JsonValue::Object();
    json.Add("a", JsonValue::Number(a));
    json.Add("b", JsonValue::Number(b));
    json.Add("c", JsonValue::Number(c));
    json.Add("d", JsonValue::Number(d));
    return json;
}

void addProductFields(JsonValue& json, const CIsoProdukt& product)
{
    JsonValue usage = JsonValue::Array();
    for (int kind = 0; kind < ObjectKindCount; ++kind)
        if (product.usageFlags[std::size_t(kind)])
            usage.Append(JsonValue::String(kindKeys[kind]));
    json.Add("usage", std::move(usage));
    json.Add("maxTemperature", JsonValue::Number(product.maxTemperature));
    json.Add("minThickness", JsonValue::Number(product.minThickness));
    json.Add("maxThickness", JsonValue::Number(product.maxThickness));
    JsonValue thicknesses = JsonValue::Array();
    for (const auto& thickness : product.thicknesses)
        thicknesses.Append(sizeOrNamed(thickness->name, thickness->thickness, "thickness"));
    json.Add("thicknesses", std::move(thicknesses));
    json.Add("coefficients", coefficients(product.a, product.b, product.c, product.d));
    const CIsoProdukt defaults;
    if (product.insulationColour != defaults.insulationColour)
        json.Add("insulationColour", JsonValue::String(colourText(product.insulationColour)));
    if (product.surfaceColour != defaults.surfaceColour)
        json.Add("surfaceColour", JsonValue::String(colourText(product.surfaceColour)));
    bool anyPicture = false;
    for (const std::string& picture : product.pictures)
        anyPicture = anyPicture || !picture.empty();
    if (anyPicture) {
        JsonValue pictures = JsonValue::Array();
        for (const std::string& picture : product.pictures)
            pictures.Append(JsonValue::String(picture));
        json.Add("pictures", std::move(pictures));
    }
}

std::vector<ConductivityFit::Point> readPoints(const JsonValue& list, const std::string& context)
{
    std::vector<ConductivityFit::Point> points;
    for (std::size_t i = 0; i < list.elements().size(); ++i) {
        FieldReader point(list.elements()[i], at(context, i, "declared conductivity"));
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
    const JsonValue& usage = fields.ArrayOf("usage");
    for (const JsonValue& key : usage.elements()) {
        int kind = 0;
        while (kind < ObjectKindCount && !(key.IsString() && key.text() == kindKeys[kind]))
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

    const JsonValue& thicknesses = fields.ArrayOf("thicknesses");
    for (std::size_t i = 0; i < thicknesses.elements().size(); ++i) {
        const JsonValue& entry = thicknesses.elements()[i];
        const std::string context = at(fields.context(), i, "thickness");
        if (entry.IsObject()) {
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
    if (const JsonValue* pictures = fields.Optional("pictures")) {
        if (!pictures->IsArray() || pictures->elements().size() != CIsoProdukt::pictureCount)
            fields.Fail("\"pictures\" must list all 15 picture names");
        for (std::size_t i = 0; i < product.pictures.size(); ++i) {
            const JsonValue& picture = pictures->elements()[i];
            if (!picture.IsString())
                fields.Fail("a picture name must be a text");
            FieldReader::CheckStorable(picture.text(), fields.context());
            product.pictures[i] = picture.text();
        }
    }
}

bool readCoefficients(FieldReader& fields, CIsoProdukt& product)
{
    const JsonValue* json = fields.Optional("coefficients");
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

JsonValue ItemJson::ToJson(const CIsoProdukt& product)
{
    JsonValue json = start(product);
    addProductFields(json, product);
    return json;
}

JsonValue ItemJson::ToJson(const CEgendefIsoProdukt& product)
{
    JsonValue json = ToJson(static_cast<const CIsoProdukt&>(product));
    JsonValue points = JsonValue::Array();
    for (std::size_t i = 0; i < CEgendefIsoProdukt::pointCount; ++i) {
        JsonValue point = JsonValue::Object();
        point.Add("temperature", JsonValue::Number(product.temperatures[i]));
        point.Add("lambda", JsonValue::Number(product.conductivities[i]));
        points.Append(std::move(point));
    }
    json.Add("points", std::move(points));
    json.Add("threePointMode", JsonValue::Boolean(product.threePointMode));
    return json;
}

std::unique_ptr<CIsoProdukt> ItemJson::Product(const JsonValue& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto product = std::make_unique<CIsoProdukt>();
    readProductFields(fields, *product);
    const bool given = readCoefficients(fields, *product);
    if (const JsonValue* declared = fields.Optional("declaredConductivity")) {
        if (!declared->IsArray())
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

std::unique_ptr<CEgendefIsoProdukt> ItemJson::UserProduct(const JsonValue& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto product = std::make_unique<CEgendefIsoProdukt>();
    readProductFields(fields, *product);
    const JsonValue& points = fields.ArrayOf("points");
    if (points.elements().size() != CEgendefIsoProdukt::pointCount)
        fields.Fail("\"points\" must hold four points");
    for (std::size_t i = 0; i < CEgendefIsoProdukt::pointCount; ++i) {
        FieldReader point(points.elements()[i], at(context, i, "point"));
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

JsonValue ItemJson::ToJson(const CAbsorpsjon& absorber, int listKind)
{
    JsonValue json = start(absorber);
    if (absorber.kind != listKind)
        json.Add("kind", JsonValue::NumberText(std::to_string(absorber.kind)));
    const CAbsorpsjon defaults;
    if (absorber.colour1 != defaults.colour1)
        json.Add("colour1", JsonValue::String(colourText(absorber.colour1)));
    if (absorber.colour2 != defaults.colour2)
        json.Add("colour2", JsonValue::String(colourText(absorber.colour2)));
    if (!absorber.verticalPicture.empty())
        json.Add("verticalPicture", JsonValue::String(absorber.verticalPicture));
    if (!absorber.horizontalPicture.empty())
        json.Add("horizontalPicture", JsonValue::String(absorber.horizontalPicture));
    if (!absorber.fourSidesPicture.empty())
        json.Add("fourSidesPicture", JsonValue::String(absorber.fourSidesPicture));
    JsonValue thicknesses = JsonValue::Array();
    for (const auto& thickness : absorber.thicknesses) {
        JsonValue entry = JsonValue::Object();
        if (thickness->name != Sprintf("%.1f", double(thickness->thickness)))
            entry.Add("name", JsonValue::String(thickness->name));
        if (!thickness->description.empty())
            entry.Add("description", JsonValue::String(thickness->description));
        entry.Add("thickness", JsonValue::Number(thickness->thickness));
        JsonValue factors = JsonValue::Array();
        for (const float factor : thickness->factors)
            factors.Append(JsonValue::Number(factor));
        entry.Add("factors", std::move(factors));
        thicknesses.Append(std::move(entry));
    }
    json.Add("thicknesses", std::move(thicknesses));
    return json;
}

std::unique_ptr<CAbsorpsjon> ItemJson::Absorber(const JsonValue& json, int listKind, const std::string& context)
{
    FieldReader fields(json, context);
    auto absorber = std::make_unique<CAbsorpsjon>(fields.IntOr("kind", listKind));
    takeName(fields, *absorber);
    absorber->colour1 = fields.ColourOr("colour1", absorber->colour1);
    absorber->colour2 = fields.ColourOr("colour2", absorber->colour2);
    absorber->verticalPicture = fields.TextOr("verticalPicture", "");
    absorber->horizontalPicture = fields.TextOr("horizontalPicture", "");
    absorber->fourSidesPicture = fields.TextOr("fourSidesPicture", "");
    const JsonValue& thicknesses = fields.ArrayOf("thicknesses");
    for (std::size_t i = 0; i < thicknesses.elements().size(); ++i) {
        FieldReader entry(thicknesses.elements()[i], at(context, i, "thickness"));
        auto thickness = std::make_unique<CAbsorpsjonTykkelse>();
        thickness->SetThickness(entry.Float("thickness"));
        thickness->name = entry.TextOr("name", thickness->name);
        thickness->description = entry.TextOr("description", "");
        const JsonValue& factors = entry.ArrayOf("factors");
        if (factors.elements().size() != CAbsorpsjonTykkelse::bandCount)
            entry.Fail("\"factors\" must hold six values, 125 to 4000 Hz");
        for (std::size_t band = 0; band < thickness->factors.size(); ++band)
            thickness->factors[band] = FieldReader::ToFloat(factors.elements()[band], entry.context() + ": factor");
        entry.Finish();
        absorber->thicknesses.push_back(std::move(thickness));
    }
    fields.Finish();
    return absorber;
}

JsonValue ItemJson::ToJson(const CMantling& cladding, int listKind)
{
    JsonValue json = start(cladding);
    json.Add("emissivity", JsonValue::Number(cladding.emissivity));
    if (cladding.colour != CMantling().colour)
        json.Add("colour", JsonValue::String(colourText(cladding.colour)));
    if (cladding.kind != listKind)
        json.Add("kind", JsonValue::NumberText(std::to_string(cladding.kind)));
    return json;
}

std::unique_ptr<CMantling> ItemJson::Cladding(const JsonValue& json, int listKind, const std::string& context)
{
    FieldReader fields(json, context);
    auto cladding = std::make_unique<CMantling>(fields.IntOr("kind", listKind));
    takeName(fields, *cladding);
    cladding->emissivity = fields.Float("emissivity");
    cladding->colour = fields.ColourOr("colour", cladding->colour);
    fields.Finish();
    return cladding;
}

JsonValue ItemJson::ToJson(const CTillegg2& fitting)
{
    JsonValue json = start(fitting);
    JsonValue lengths = JsonValue::Array();
    for (const auto& length : fitting.lengths) {
        JsonValue entry = JsonValue::Object();
        CTilleggslengde named = *length;
        named.UpdateName();
        if (named.name != length->name)
            entry.Add("name", JsonValue::String(length->name));
        if (!length->description.empty())
            entry.Add("description", JsonValue::String(length->description));
        entry.Add("minDiameter", JsonValue::Number(length->minPipeDiameter));
        entry.Add("maxDiameter", JsonValue::Number(length->maxPipeDiameter));
        entry.Add("length", JsonValue::Number(length->equivalentLength));
        lengths.Append(std::move(entry));
    }
    json.Add("lengths", std::move(lengths));
    return json;
}

std::unique_ptr<CTillegg2> ItemJson::Fitting(const JsonValue& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto fitting = std::make_unique<CTillegg2>();
    takeName(fields, *fitting);
    const JsonValue& lengths = fields.ArrayOf("lengths");
    for (std::size_t i = 0; i < lengths.elements().size(); ++i) {
        FieldReader entry(lengths.elements()[i], at(context, i, "length"));
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

JsonValue ItemJson::ToJson(const CVeske& liquid)
{
    JsonValue json = start(liquid);
    json.Add("density", JsonValue::Number(liquid.density));
    json.Add("specificHeat", JsonValue::Number(liquid.specificHeatCapacity));
    json.Add("freezingPoint", JsonValue::Number(liquid.freezingPoint));
    return json;
}

std::unique_ptr<CVeske> ItemJson::Liquid(const JsonValue& json, const std::string& context)
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

JsonValue ItemJson::ToJson(const CRormaterial& material)
{
    JsonValue json = start(material);
    json.Add("conductivityAtZero", JsonValue::Number(material.conductivityAtZero));
    json.Add("temperatureCoefficient", JsonValue::Number(material.temperatureCoefficient));
    json.Add("emissivity", JsonValue::Number(material.emissivity));
    json.Add("minTemperature", JsonValue::Number(material.minAllowedTemperature));
    json.Add("maxTemperature", JsonValue::Number(material.maxAllowedTemperature));
    JsonValue dimensions = JsonValue::Array();
    for (const auto& dimension : material.dimensions) {
        JsonValue entry = start(*dimension);
        entry.Add("outerDiameter", JsonValue::Number(dimension->outerDiameter));
        entry.Add("wallThickness", JsonValue::Number(dimension->wallThickness));
        dimensions.Append(std::move(entry));
    }
    json.Add("dimensions", std::move(dimensions));
    return json;
}

std::unique_ptr<CRormaterial> ItemJson::PipeMaterial(const JsonValue& json, const std::string& context)
{
    FieldReader fields(json, context);
    auto material = std::make_unique<CRormaterial>();
    takeName(fields, *material);
    material->conductivityAtZero = fields.Float("conductivityAtZero");
    material->temperatureCoefficient = fields.Float("temperatureCoefficient");
    material->emissivity = fields.Float("emissivity");
    material->minAllowedTemperature = fields.Float("minTemperature");
    material->maxAllowedTemperature = fields.Float("maxTemperature");
    const JsonValue& dimensions = fields.ArrayOf("dimensions");
    for (std::size_t i = 0; i < dimensions.elements().size(); ++i) {
        FieldReader entry(dimensions.elements()[i], at(context, i, "dimension"));
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

JsonValue ItemJson::ToJson(const CKlimasted& location)
{
    JsonValue json = start(location);
    json.Add("temperature", JsonValue::Number(location.annualMeanTemperature));
    json.Add("windSpeed", JsonValue::Number(location.annualMeanWindSpeed));
    CKlimasted derived = location;
    derived.UpdateDisplayText();
    if (derived.displayText != location.displayText)
        json.Add("displayText", JsonValue::String(location.displayText));
    return json;
}

std::unique_ptr<CKlimasted> ItemJson::Location(const JsonValue& json, const std::string& context)
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

JsonValue ItemJson::ToJson(const CIsoKostnad& cost)
{
    JsonValue json = JsonValue::Object();
    json.Add("name", JsonValue::String(cost.name));
    CIsoKostnad derived = cost;
    std::string unit;
    for (const char* candidate : {"m", "m²"}) {
        derived.UpdateDisplayText(candidate);
        if (derived.displayText == cost.displayText)
            unit = candidate;
    }
    if (!unit.empty())
        json.Add("unit", JsonValue::String(unit));
    else
        json.Add("displayText", JsonValue::String(cost.displayText));
    json.Add("cost", JsonValue::Number(cost.cost));
    return json;
}

std::unique_ptr<CIsoKostnad> ItemJson::Cost(const JsonValue& json, const std::string& context)
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

JsonValue ItemJson::ToJson(const CVVSAMATekst& text)
{
    JsonValue json = JsonValue::Object();
    json.Add("heading", JsonValue::String(text.heading));
    json.Add("body", JsonValue::String(text.body));
    return json;
}

CVVSAMATekst ItemJson::Text(const JsonValue& json, const std::string& context)
{
    FieldReader fields(json, context);
    CVVSAMATekst text;
    text.heading = fields.Text("heading");
    text.body = fields.Text("body");
    fields.Finish();
    return text;
}
