#pragma once

#include "doc/CVekModul.h"

// The module for temperature change of a flowing medium along a run of sections.
class CKanalTempModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CKanalTempModul)
};
