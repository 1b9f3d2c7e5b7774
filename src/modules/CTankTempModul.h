#pragma once

#include "doc/CVekModul.h"

// The module for temperature over time of a liquid in a tank.
class CTankTempModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CTankTempModul)
};
