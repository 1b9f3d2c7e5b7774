#pragma once

#include "CIsolasjon.h"
#include "TableRows.h"
#include "thermal/Choices.h"

#include <initializer_list>
#include <string>

class CMantling;

// What the two condensation modules' tables share.

// Whether every value is a number the page can show.
bool AllFinite(std::initializer_list<float> values);

// The product row, "Isolerprodukt (NORLAM)" or "Isolerprodukt (Egendef.)",
// and for a user's product its measured points.
void AddProductRows(TableRows& rows, const CIsolasjon& insulation);

// The outer surface and its emissivity, unless the coefficient is given
// (radiation then plays no part).
void AddSurfaceRows(TableRows& rows, Surroundings surroundings, const CMantling* cladding, bool emissivityTyped,
                    float emissivity);

// "Omgivning" and, outdoors, the wind or, given, the coefficient under
// givenCaption.
void AddSurroundingsRows(TableRows& rows, Surroundings surroundings, float windSpeed, float givenCoefficient,
                         int givenCaption);
