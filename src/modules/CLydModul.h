#pragma once

#include "doc/CVekModul.h"

// The module for sound attenuation of lined ducts.
class CLydModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CLydModul)
};
