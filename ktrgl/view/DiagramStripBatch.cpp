#include "view/DiagramStripBatch.h"

#include <GL/gl.h>

void DiagramStripBatch::SetColour(int red, int green, int blue)
{
    // The same single-precision values glColor3d(c / 255.0) stores.
    m_colour[0] = static_cast<float>(red / 255.0);
    m_colour[1] = static_cast<float>(green / 255.0);
    m_colour[2] = static_cast<float>(blue / 255.0);
}

void DiagramStripBatch::Add(const glyph::DiagramStrip& strip)
{
    static const float white[3] = {1.0f, 1.0f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        const glyph::Vec3 p = strip.origin + strip.corner[i];
        m_positions.push_back(static_cast<float>(p.x));
        m_positions.push_back(static_cast<float>(p.y));
        m_positions.push_back(static_cast<float>(p.z));
        const float* c = (i == 0 || i == 3) ? white : m_colour;
        m_colours.insert(m_colours.end(), c, c + 3);
    }
}

void DiagramStripBatch::Flush()
{
    if (m_positions.empty())
        return;
    const GLsizei corners = static_cast<GLsizei>(m_positions.size() / 3);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, m_positions.data());
    glColorPointer(3, GL_FLOAT, 0, m_colours.data());
    glDrawArrays(GL_QUADS, 0, corners);
    glPopClientAttrib();
    m_positions.clear();
    m_colours.clear();
}
