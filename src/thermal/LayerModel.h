#pragma once

#include "Inputs.h"

// The pieces of the layered heat flow, each callable on its own: the
// geometry of a layer, what a layer fixes before the surface temperature is
// known, the temperature at the insulation's inner face, and the two flows
// whose balance gives the surface temperature.

namespace thermal {

// One layer of thickness s on the object. Perimeters are those of the outer
// and inner face (m, round and rectangular objects); q = ∫λ dT / factor.
struct LayerGeometry {
    float thickness = 0;       // s, m
    float outerPerimeter = 0;  // Po
    float innerPerimeter = 0;  // Pi
    float factor = 0;          // G: ln(Do/Di)/2π, s/Po or s
    float convectionSize = 0;  // D of the outer surface for convection
};

LayerGeometry OneLayerGeometry(const Inputs& in, float s);

// Two layers, s1 inside s2. The interface perimeter is that of the face
// between them; factor2 is layer 2's geometry factor.
struct TwoLayerGeometry {
    float innerDiameter = 0;     // Di, round objects
    float interfaceDiameter = 0; // D1 = Di + 2·s1
    float outerDiameter = 0;     // Do = D1 + 2·s2
    float outerPerimeter = 0;
    float interfacePerimeter = 0;
    float innerPerimeter = 0; // the innermost face
    float factor2 = 0;
    float convectionSize = 0;
};

TwoLayerGeometry TwoLayerGeometryOf(const Inputs& in, float s1, float s2);

// Free area of the air inside a duct, m², with insulation s thick inside a
// rectangular duct insulated inside.
float FreeArea(const Inputs& in, float s);

// The duct's inner coefficient with air through the free area left by
// freeAreaThickness and the hydraulic diameter 4·area/innerPerimeter of a
// rectangular duct (the diameter of a circular one); 0 for other objects.
float InsulatedDuctCoefficient(const Inputs& in, float freeAreaThickness, float innerPerimeter);

// The insulated surface's outer coefficient ho at ts, for the object's
// convection dimension D (planes use their height).
float SurfaceCoefficient(const Inputs& in, float convectionSize, float ts);

// Heat flow from the surface at ts into the surroundings: ho·(ts − Ta) per
// m² for planes, ho·Po·(ts − Ta) per metre otherwise.
float SurfaceFlow(const Inputs& in, float outerPerimeter, float ho, float ts);

// Heat flow through a layer with geometry factor G between the outer face at
// ts and the inner face at tInner.
float LayerFlow(const Conductivity& k, float factor, float ts, float tInner);

// What one layer fixes before the surface temperature is known.
struct OneLayer {
    LayerGeometry geometry;
    // λm = λ((Tm + Ta)/2): the start value, the pipe wall's share and the
    // ducts' inner-face estimate use it.
    float meanConductivity = 0;
    float wallResistance = 0;   // Rw = sw/λw(Tm), m²K/W, pipes only
    float innerCoefficient = 0; // hi, ducts only
};

OneLayer SetUpOneLayer(const Inputs& in, float s);

// The temperature at the insulation's inner face with the surface at ts and
// outer coefficient ho: the medium temperature for surfaces, lower by the
// share of the duct air's resistance for ducts, by the wall's share for pipes.
float InnerFaceTemperature(const Inputs& in, const OneLayer& layer, float ts, float ho);

// One layer's state at surface temperature ts: both flows and what they rest on.
struct LayerState {
    float outerCoefficient = 0; // ho
    float innerFaceTemp = 0;    // Tin
    float layerFlow = 0;        // qL
    float surfaceFlow = 0;      // qS
};

// ho taken at ts.
LayerState EvaluateOneLayer(const Inputs& in, const OneLayer& layer, float ts);
// ho held, as the search for a given surface temperature does.
LayerState EvaluateOneLayer(const Inputs& in, const OneLayer& layer, float ts, float ho);

} // namespace thermal
