#pragma once

#include "CItem.h"

#include <string>
#include <vector>

// The checks every editor dialog makes before it closes. Each shows its
// message through the prompter and reports whether the value may stand.

// An empty name, or one already used by an item of others, is refused.
bool ValidateName(const std::string& name, const std::vector<const CListItem*>& others);

// min ≤ value ≤ max; otherwise "Värdet för <field> måste ligga mellan …".
bool CheckRange(int fieldNameId, float value, float min, float max);
