#include "Messages.h"

namespace thermal {

std::string_view MessageText(int id)
{
    switch (id) {
    case thicknessTooLarge:
        return "Nödvändig isolertjocklek blir för stor, avbryter beräkningen.";
    case insulationFillsDuct:
        return "Isolertjockleken blir för stor med given kanaldimension och invändig isolering.";
    case interfaceAboveMaximum:
        return "Varning: temperatur mellan lag 1 och 2 är högre än isolerproduktens  max. temperatur.";
    default:
        return {};
    }
}

} // namespace thermal
