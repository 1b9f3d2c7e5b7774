#include "ModuleInfo.h"

#include <array>

namespace {

constexpr std::array<ModuleInfo, ModuleCount> modules = {{
    {"CVarmeTapModul", "&Värmeförlust", "Akivera värmeforlustmodul", 32794, 62433, 3},
    {"CKanalTempModul", "Temperaturändring i &rör/kanaler", "Akivera modul för temperaturändring i rör/kanaler",
     32790, 62434, 4},
    {"CTankTempModul", "Temperatur i &tank", "Akivera modul för temperaturändring i tank", 32792, 62435, 5},
    {"CUtvendigKondensModul", "&Utvändig kondens", "Akivera modul för utvändig kondens", 32795, 62437, 6},
    {"CInnvendigKondensModul", "&Invändig kondens", "Akivera modul för invendig kondens", 32796, 62436, 7},
    {"CFrostModul", "&Frysskydd", "Akivera modul för frysskydd", 32787, 62438, 8},
    {"CLydModul", "&Ljuddämpning", "Akivera modul för ljuddämpning", 32788, 62439, 9},
    {"COkonomiModul", "&Ekonomisk isolering", "Akivera modul för ekonomisk isolering", 32789, 62440, 10},
}};

} // namespace

const ModuleInfo& GetModuleInfo(int index)
{
    return modules.at(std::size_t(index));
}

int ModuleForViewCommand(int command)
{
    for (int i = 0; i < ModuleCount; ++i)
        if (modules[std::size_t(i)].viewCommand == command)
            return i;
    return -1;
}
