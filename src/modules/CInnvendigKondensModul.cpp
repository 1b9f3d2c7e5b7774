#include "CInnvendigKondensModul.h"

TEKVAR_IMPLEMENT_CLASS(CInnvendigKondensModul, CVekModul)
