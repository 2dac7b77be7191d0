// Reading back what OpenGL receives: run drawing code (or display lists)
// under glRenderMode(GL_FEEDBACK) and get one record per token.
//
//   auto records = testsupport::FeedbackOfLists({1, 2});
//   EXPECT_EQ(testsupport::Count(records, GL_POINT_TOKEN), 3u);
//   const auto lines = testsupport::Lines(records);   // LINE + LINE_RESET
//   EXPECT_NEAR(lines[0].vertices[1].x, 4.0, 1e-3);    // model units
//
// Coordinates. By default the capture replaces the projection with an
// orthographic one and the viewport with one that map model coordinates
// one-to-one onto the returned x, y, z (within +-kModelExtent on every axis;
// anything outside is clipped away). The model-view matrix starts as the
// identity, so what a list translates or scales itself still shows. x and y
// are exact to float precision; z to about kModelExtent * 1.2e-7.
// Pass ModelSpace::AsIs to keep the caller's matrices and viewport: the
// values are then window coordinates (x, y in pixels, z depth 0..1).
//
// Colours are the vertex colours (RGBA, 0..1); a GL_BITMAP_TOKEN carries the
// raster position and raster colour of one glBitmap, i.e. one character
// drawn through the font lists 1000..1255.
//
// What Mesa 22.3 (llvmpipe) sends back, checked by GlFeedbackTest:
// - every line segment comes back as GL_LINE_TOKEN, never as
//   GL_LINE_RESET_TOKEN: match lines with IsLineToken() or Lines();
// - quads come back as two triangles each (GL_POLYGON_TOKEN, 3 vertices);
//   point size and line width do not show;
// - a bitmap (one text character) comes back only while the raster position
//   is valid; a string whose start is clipped away returns nothing, and
//   characters that advance past the viewport are dropped;
// - display lists: two glBegin/glEnd batches compiled back to back with no
//   other command between them are merged, and in feedback mode the second
//   batch can vanish (points then triangles: the triangles are lost) or
//   strips can join. Any non-vertex command between the batches (glColor,
//   glPassThrough(0), glPushMatrix/glPopMatrix, glLineWidth) keeps them
//   apart. A colour set before a line batch in a list and changed inside it
//   may add a degenerate line (start = end) in front. Pixels are right in
//   every case;
// - gluSphere with more than two stacks compiled into a list crashes when
//   the list is called in feedback mode: test such lists by pixels.
#pragma once
#include <GL/gl.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

constexpr double kModelExtent = 1024.0;

struct FeedbackVertex {
    float x = 0, y = 0, z = 0;
    float r = 0, g = 0, b = 0, a = 0;
};

struct FeedbackRecord {
    // GL_POINT_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN, GL_POLYGON_TOKEN,
    // GL_BITMAP_TOKEN, GL_DRAW_PIXEL_TOKEN, GL_COPY_PIXEL_TOKEN or
    // GL_PASS_THROUGH_TOKEN.
    GLenum token = 0;
    std::vector<FeedbackVertex> vertices; // 1 point/bitmap/pixel, 2 line, n polygon
    float value = 0;                      // the glPassThrough value
};

// Parses `count` floats of a GL_3D_COLOR feedback buffer (RGBA mode).
// On a truncated or unknown token sets *ok to false and returns what was
// parsed before it.
std::vector<FeedbackRecord> ParseFeedback(const GLfloat* data, int count, bool* ok = nullptr);

enum class ModelSpace { Identity, AsIs };

// Runs `draw` in feedback mode in the current context and parses the result;
// the buffer grows until everything fits. Matrices, matrix mode and viewport
// are restored afterwards.
std::vector<FeedbackRecord> CaptureFeedback(const std::function<void()>& draw,
                                            ModelSpace space = ModelSpace::Identity);
std::vector<FeedbackRecord> FeedbackOfList(GLuint list, ModelSpace space = ModelSpace::Identity);
std::vector<FeedbackRecord> FeedbackOfLists(const std::vector<GLuint>& lists,
                                            ModelSpace space = ModelSpace::Identity);

// Filters.
bool IsLineToken(GLenum token); // GL_LINE_TOKEN or GL_LINE_RESET_TOKEN
size_t Count(const std::vector<FeedbackRecord>& records, GLenum token);
std::vector<FeedbackRecord> OfType(const std::vector<FeedbackRecord>& records, GLenum token);
std::vector<FeedbackRecord> Lines(const std::vector<FeedbackRecord>& records);

// "POINT (1,2,3) rgba(1,0,0,1)"-style listing, one record a line, for
// failure messages.
std::string TokenName(GLenum token);
std::string Describe(const std::vector<FeedbackRecord>& records);

} // namespace testsupport
