#include "ClassInfo.h"

#include <map>
#include <string>

bool ClassInfo::IsDerivedFrom(const ClassInfo& other) const
{
    for (const ClassInfo* info = this; info; info = info->base)
        if (info == &other)
            return true;
    return false;
}

namespace {

std::map<std::string, const ClassInfo*, std::less<>>& registry()
{
    static std::map<std::string, const ClassInfo*, std::less<>> classes;
    return classes;
}

} // namespace

void ClassRegistry::Add(const ClassInfo& info)
{
    registry()[info.name] = &info;
}

const ClassInfo* ClassRegistry::Find(std::string_view name)
{
    auto it = registry().find(name);
    return it == registry().end() ? nullptr : it->second;
}
