#include "CreateModule.h"

#include "CVarmeTapModul.h"
#include "CKanalTempModul.h"
#include "CTankTempModul.h"
#include "CUtvendigKondensModul.h"
#include "CInnvendigKondensModul.h"
#include "CFrostModul.h"
#include "CLydModul.h"
#include "COkonomiModul.h"

#include <stdexcept>

std::unique_ptr<CVekModul> CreateModule(int index)
{
    switch (index) {
    case 0:
        return std::make_unique<CVarmeTapModul>();
    case 1:
        return std::make_unique<CKanalTempModul>();
    case 2:
        return std::make_unique<CTankTempModul>();
    case 3:
        return std::make_unique<CUtvendigKondensModul>();
    case 4:
        return std::make_unique<CInnvendigKondensModul>();
    case 5:
        return std::make_unique<CFrostModul>();
    case 6:
        return std::make_unique<CLydModul>();
    case 7:
        return std::make_unique<COkonomiModul>();
    }
    throw std::out_of_range("no module with this index");
}
