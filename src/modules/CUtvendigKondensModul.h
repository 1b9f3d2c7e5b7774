#pragma once

#include "doc/CVekModul.h"

// The module for insulation against external condensation.
class CUtvendigKondensModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CUtvendigKondensModul)
};
