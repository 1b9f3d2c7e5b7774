#include "CLydModul.h"

TEKVAR_IMPLEMENT_CLASS(CLydModul, CVekModul)
