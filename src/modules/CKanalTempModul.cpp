#include "CKanalTempModul.h"

TEKVAR_IMPLEMENT_CLASS(CKanalTempModul, CVekModul)
