#pragma once

#include "doc/CVekModul.h"

// The module for economic insulation thickness.
class COkonomiModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(COkonomiModul)
};
