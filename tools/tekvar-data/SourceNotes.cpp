#include "SourceNotes.h"

#include "ConductivityFit.h"
#include "DataError.h"
#include "FieldReader.h"

#include <cstring>
#include <vector>

namespace {

bool sameFloat(const JsonValue* json, float value)
{
    if (!json)
        return false;
    try {
        const float read = FieldReader::ToFloat(*json, "");
        return std::memcmp(&read, &value, sizeof value) == 0;
    } catch (const DataError&) {
        return false;
    }
}

// The declared values stand in for the coefficients when they still give
// exactly these coefficients.
void restoreDeclared(JsonValue& item, const JsonValue& old)
{
    const JsonValue* declared = old.Find("declaredConductivity");
    if (!declared || old.Find("coefficients") || !declared->IsArray())
        return;
    for (auto& [key, value] : item.members()) {
        if (key != "coefficients")
            continue;
        try {
            std::vector<ConductivityFit::Point> points;
            for (const JsonValue& point : declared->elements()) {
                const JsonValue* t = point.Find("temperature");
                const JsonValue* lambda = point.Find("lambda");
                if (!t || !lambda)
                    return;
                points.push_back({FieldReader::ToFloat(*t, ""), FieldReader::ToFloat(*lambda, "")});
            }
            const ConductivityFit::Cubic k = ConductivityFit::Fit(points, "");
            if (sameFloat(value.Find("a"), k.a) && sameFloat(value.Find("b"), k.b) &&
                sameFloat(value.Find("c"), k.c) && sameFloat(value.Find("d"), k.d)) {
                key = "declaredConductivity";
                value = *declared;
            }
        } catch (const DataError&) {
        }
        return;
    }
}

void carryNotes(JsonValue& item, const JsonValue& old)
{
    if (!item.IsObject() || !old.IsObject())
        return;
    restoreDeclared(item, old);
    for (const char* key : {"source", "note"})
        if (const JsonValue* value = old.Find(key); value && !item.Find(key))
            item.Add(key, *value);
}

const JsonValue* nameOf(const JsonValue& item)
{
    const JsonValue* name = item.IsObject() ? item.Find("name") : nullptr;
    return name && name->IsString() ? name : nullptr;
}

} // namespace

JsonValue SourceNotes::Merge(JsonValue dumped, const JsonValue& existing)
{
    if (!existing.IsObject() || !dumped.IsObject())
        return dumped;
    const JsonValue* oldItems = existing.Find("items");

    JsonValue merged = JsonValue::Object();
    for (const char* key : {"title", "notes", "references"}) {
        if (const JsonValue* value = existing.Find(key))
            merged.Add(key, *value);
        else if (const JsonValue* fresh = dumped.Find(key))
            merged.Add(key, *fresh);
    }
    for (auto& [key, value] : dumped.members()) {
        if (key != "items")
            continue;
        if (oldItems && oldItems->IsArray() && value.IsArray()) {
            std::vector<bool> used(oldItems->elements().size(), false);
            for (std::size_t i = 0; i < value.elements().size(); ++i) {
                JsonValue& item = value.elements()[i];
                const JsonValue* name = nameOf(item);
                for (std::size_t j = 0; j < oldItems->elements().size(); ++j) {
                    const JsonValue& old = oldItems->elements()[j];
                    const JsonValue* oldName = nameOf(old);
                    const bool match = name ? (oldName && oldName->text() == name->text()) : (!oldName && j == i);
                    if (!used[j] && match) {
                        used[j] = true;
                        carryNotes(item, old);
                        break;
                    }
                }
            }
        }
        merged.Add("items", std::move(value));
    }
    return merged;
}
