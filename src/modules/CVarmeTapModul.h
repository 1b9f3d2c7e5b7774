#pragma once

#include "doc/CVekModul.h"

// The module for heat loss.
class CVarmeTapModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CVarmeTapModul)
};
