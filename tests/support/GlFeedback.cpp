#include "GlFeedback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace testsupport {

namespace {

constexpr int kFloatsPerVertex = 7; // x, y, z, r, g, b, a

bool ReadVertex(const GLfloat* data, int count, int& at, FeedbackVertex& v)
{
    if (at + kFloatsPerVertex > count)
        return false;
    v.x = data[at];
    v.y = data[at + 1];
    v.z = data[at + 2];
    v.r = data[at + 3];
    v.g = data[at + 4];
    v.b = data[at + 5];
    v.a = data[at + 6];
    at += kFloatsPerVertex;
    return true;
}

// Window z (0..1) back to model z for the identity capture: glOrtho with
// near = +E and far = -E gives z_window = (z / E + 1) / 2.
float ModelZ(float windowZ)
{
    return static_cast<float>(kModelExtent * (2.0 * windowZ - 1.0));
}

} // namespace

std::vector<FeedbackRecord> ParseFeedback(const GLfloat* data, int count, bool* ok)
{
    std::vector<FeedbackRecord> records;
    bool good = true;
    int at = 0;
    while (at < count && good) {
        FeedbackRecord record;
        record.token = static_cast<GLenum>(std::lround(data[at++]));
        int vertices = 0;
        switch (record.token) {
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            vertices = 1;
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            vertices = 2;
            break;
        case GL_POLYGON_TOKEN:
            if (at >= count) {
                good = false;
                continue;
            }
            vertices = static_cast<int>(std::lround(data[at++]));
            if (vertices < 0) {
                good = false;
                continue;
            }
            break;
        case GL_PASS_THROUGH_TOKEN:
            if (at >= count) {
                good = false;
                continue;
            }
            record.value = data[at++];
            break;
        default:
            good = false;
            continue;
        }
        for (int i = 0; i < vertices && good; ++i) {
            FeedbackVertex v;
            good = ReadVertex(data, count, at, v);
            if (good)
                record.vertices.push_back(v);
        }
        if (good)
            records.push_back(record);
    }
    if (ok != nullptr)
        *ok = good;
    return records;
}

std::vector<FeedbackRecord> CaptureFeedback(const std::function<void()>& draw, ModelSpace space)
{
    const bool identity = space == ModelSpace::Identity;
    glPushAttrib(GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
    if (identity) {
        const GLint e = static_cast<GLint>(kModelExtent);
        glViewport(-e, -e, 2 * e, 2 * e);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(-kModelExtent, kModelExtent, -kModelExtent, kModelExtent, kModelExtent, -kModelExtent);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
    }

    std::vector<GLfloat> buffer(1 << 16);
    GLint used = -1;
    for (int attempt = 0; attempt < 12 && used < 0; ++attempt) {
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        used = glRenderMode(GL_RENDER);
        if (used < 0)
            buffer.resize(buffer.size() * 4);
    }

    if (identity) {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
    glPopAttrib();

    if (used < 0) {
        ADD_FAILURE() << "feedback buffer overflow even at " << buffer.size() << " floats";
        return {};
    }
    std::vector<FeedbackRecord> records = ParseFeedback(buffer.data(), used);
    if (identity)
        for (auto& record : records)
            for (auto& v : record.vertices)
                v.z = ModelZ(v.z);
    return records;
}

std::vector<FeedbackRecord> FeedbackOfList(GLuint list, ModelSpace space)
{
    return CaptureFeedback([list]() { glCallList(list); }, space);
}

std::vector<FeedbackRecord> FeedbackOfLists(const std::vector<GLuint>& lists, ModelSpace space)
{
    return CaptureFeedback(
        [&lists]() {
            for (GLuint list : lists)
                glCallList(list);
        },
        space);
}

bool IsLineToken(GLenum token)
{
    return token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN;
}

size_t Count(const std::vector<FeedbackRecord>& records, GLenum token)
{
    size_t n = 0;
    for (const auto& r : records)
        if (r.token == token)
            ++n;
    return n;
}

std::vector<FeedbackRecord> OfType(const std::vector<FeedbackRecord>& records, GLenum token)
{
    std::vector<FeedbackRecord> result;
    for (const auto& r : records)
        if (r.token == token)
            result.push_back(r);
    return result;
}

std::vector<FeedbackRecord> Lines(const std::vector<FeedbackRecord>& records)
{
    std::vector<FeedbackRecord> result;
    for (const auto& r : records)
        if (IsLineToken(r.token))
            result.push_back(r);
    return result;
}

std::string TokenName(GLenum token)
{
    switch (token) {
    case GL_POINT_TOKEN: return "POINT";
    case GL_LINE_TOKEN: return "LINE";
    case GL_LINE_RESET_TOKEN: return "LINE_RESET";
    case GL_POLYGON_TOKEN: return "POLYGON";
    case GL_BITMAP_TOKEN: return "BITMAP";
    case GL_DRAW_PIXEL_TOKEN: return "DRAW_PIXEL";
    case GL_COPY_PIXEL_TOKEN: return "COPY_PIXEL";
    case GL_PASS_THROUGH_TOKEN: return "PASS_THROUGH";
    default: return "token " + std::to_string(token);
    }
}

std::string Describe(const std::vector<FeedbackRecord>& records)
{
    std::string text;
    char buf[160];
    for (const auto& r : records) {
        text += TokenName(r.token);
        if (r.token == GL_PASS_THROUGH_TOKEN) {
            std::snprintf(buf, sizeof buf, " %g", static_cast<double>(r.value));
            text += buf;
        }
        for (const auto& v : r.vertices) {
            std::snprintf(buf, sizeof buf, " (%g,%g,%g) rgba(%g,%g,%g,%g)", v.x, v.y, v.z, v.r, v.g, v.b, v.a);
            text += buf;
        }
        text += '\n';
    }
    return text;
}

} // namespace testsupport
