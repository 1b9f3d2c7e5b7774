#include "TestItems.h"

TEKVAR_IMPLEMENT_CLASS(CTestLeaf, CListItem)
TEKVAR_IMPLEMENT_CLASS(CTestOther, CTestLeaf)
TEKVAR_IMPLEMENT_CLASS(CTestNode, CListItem)
