#pragma once

#include "doc/CVekModul.h"

#include <memory>

// The module of the given index (0 to 7), in the document's fixed order.
std::unique_ptr<CVekModul> CreateModule(int index);
