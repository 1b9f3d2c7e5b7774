#include "ItemChecks.h"

#include "StringTable.h"
#include "platform/Services.h"

bool ValidateName(const std::string& name, const std::vector<const CListItem*>& others)
{
    if (name.empty()) {
        platform::prompter().Tell(LoadString(61209));
        return false;
    }
    for (const CListItem* item : others) {
        if (item->name == name) {
            platform::prompter().Tell(LoadString(61210));
            return false;
        }
    }
    return true;
}

bool CheckRange(int fieldNameId, float value, float min, float max)
{
    if (min <= value && value <= max)
        return true;
    const std::string field = LoadString(fieldNameId);
    platform::prompter().Tell(Sprintf(LoadString(61243), field.c_str(), double(min), double(max)));
    return false;
}
