#pragma once

#include "doc/CVekModul.h"

// The module for frost protection and warming of standing water in a pipe.
class CFrostModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CFrostModul)
};
