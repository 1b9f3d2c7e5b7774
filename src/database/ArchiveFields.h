#pragma once

#include "doc/CArchive.h"

#include <cstdint>

// A 32-bit unsigned field (a colour value) in both directions.
inline void SerializeDword(CArchive& ar, std::uint32_t& value)
{
    if (ar.IsStoring())
        ar.WriteDword(value);
    else
        value = ar.ReadDword();
}
