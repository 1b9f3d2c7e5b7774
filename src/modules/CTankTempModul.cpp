#include "CTankTempModul.h"

TEKVAR_IMPLEMENT_CLASS(CTankTempModul, CVekModul)
