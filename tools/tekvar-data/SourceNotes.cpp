#include "SourceNotes.h"

#include "ConductivityFit.h"
#include "DataError.h"
#include "FieldReader.h"

#include <cstring>
#include <vector>

namespace {

bool sameFloat(const Json* json, float value)
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

// The declared values stand in for the coefficients, in their place, when
// they still give exactly these coefficients.
void restoreDeclared(Json& item, const Json& old)
{
    const Json* declared = JsonText::Find(old, "declaredConductivity");
    const Json* coefficients = JsonText::Find(item, "coefficients");
    if (!declared || JsonText::Find(old, "coefficients") || !declared->is_array() || !coefficients)
        return;
    try {
        std::vector<ConductivityFit::Point> points;
        for (const Json& point : *declared) {
            const Json* t = JsonText::Find(point, "temperature");
            const Json* lambda = JsonText::Find(point, "lambda");
            if (!t || !lambda)
                return;
            points.push_back({FieldReader::ToFloat(*t, ""), FieldReader::ToFloat(*lambda, "")});
        }
        const ConductivityFit::Cubic k = ConductivityFit::Fit(points, "");
        const auto same = [&](const char* key, float value) {
            return sameFloat(JsonText::Find(*coefficients, key), value);
        };
        if (!same("a", k.a) || !same("b", k.b) || !same("c", k.c) || !same("d", k.d))
            return;
    } catch (const DataError&) {
        return;
    }
    Json restored = Json::object();
    for (auto member = item.begin(); member != item.end(); ++member) {
        if (member.key() == "coefficients")
            restored["declaredConductivity"] = *declared;
        else
            restored[member.key()] = std::move(*member);
    }
    item = std::move(restored);
}

void carryNotes(Json& item, const Json& old)
{
    if (!item.is_object() || !old.is_object())
        return;
    restoreDeclared(item, old);
    for (const char* key : {"source", "note"})
        if (const Json* value = JsonText::Find(old, key); value && !item.contains(key))
            item[key] = *value;
}

const Json* nameOf(const Json& item)
{
    const Json* name = JsonText::Find(item, "name");
    return name && name->is_string() ? name : nullptr;
}

} // namespace

Json SourceNotes::Merge(Json dumped, const Json& existing)
{
    if (!existing.is_object() || !dumped.is_object())
        return dumped;
    const Json* oldItems = JsonText::Find(existing, "items");

    Json merged = Json::object();
    for (const char* key : {"title", "notes", "references"}) {
        if (const Json* value = JsonText::Find(existing, key))
            merged[key] = *value;
        else if (const Json* fresh = JsonText::Find(dumped, key))
            merged[key] = *fresh;
    }
    if (!dumped.contains("items"))
        return merged;
    Json& items = dumped["items"];
    if (oldItems && oldItems->is_array() && items.is_array()) {
        std::vector<bool> used(oldItems->size(), false);
        for (std::size_t i = 0; i < items.size(); ++i) {
            Json& item = items[i];
            const Json* name = nameOf(item);
            for (std::size_t j = 0; j < oldItems->size(); ++j) {
                const Json& old = (*oldItems)[j];
                const Json* oldName = nameOf(old);
                const bool match = name ? (oldName && *oldName == *name) : (!oldName && j == i);
                if (!used[j] && match) {
                    used[j] = true;
                    carryNotes(item, old);
                    break;
                }
            }
        }
    }
    merged["items"] = std::move(items);
    return merged;
}
