// The strips of one member's force diagram, gathered on the CPU and handed
// to OpenGL in one draw: each strip is one quadrilateral whose corners are
// placed in model space here (the strip's origin added to its corners)
// instead of through a matrix push, translate and pop per strip, and the
// member's quadrilaterals go out as one vertex-array draw. OpenGL receives
// the same quadrilaterals with the same colours either way; compiling a
// display list this way is several times faster on Mesa.
#pragma once
#include <vector>

#include "view/GlyphMath.h"

class DiagramStripBatch {
public:
    // Colour of the diagram's outer edge (components 0..255); the corners
    // on the member are white.
    void SetColour(int red, int green, int blue);
    // Adds one strip: corners 0 and 3 white, 1 and 2 in the diagram colour.
    void Add(const glyph::DiagramStrip& strip);
    // Draws the strips added since the last Flush as quadrilaterals and
    // forgets them. Must be called outside glBegin / glEnd.
    void Flush();
    bool Empty() const { return m_positions.empty(); }

private:
    std::vector<float> m_positions; // x, y, z per corner
    std::vector<float> m_colours;   // r, g, b per corner
    float m_colour[3] = {1.0f, 1.0f, 1.0f};
};
