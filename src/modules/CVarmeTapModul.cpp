#include "CVarmeTapModul.h"

TEKVAR_IMPLEMENT_CLASS(CVarmeTapModul, CVekModul)
