#include "CUtvendigKondensModul.h"

TEKVAR_IMPLEMENT_CLASS(CUtvendigKondensModul, CVekModul)
