#include "COkonomiModul.h"

TEKVAR_IMPLEMENT_CLASS(COkonomiModul, CVekModul)
