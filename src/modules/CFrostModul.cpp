#include "CFrostModul.h"

TEKVAR_IMPLEMENT_CLASS(CFrostModul, CVekModul)
