#include "CKurve.h"

TEKVAR_IMPLEMENT_CLASS(CKurve, CListItem)
