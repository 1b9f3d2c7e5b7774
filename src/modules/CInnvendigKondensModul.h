#pragma once

#include "doc/CVekModul.h"

// The module for insulation against internal condensation.
class CInnvendigKondensModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CInnvendigKondensModul)
};
