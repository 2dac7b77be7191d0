// Shared helpers of the view tests: settings keys, small models, reading
// feedback records by glyph, and vector/colour comparisons.
#pragma once
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Profile.h"
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/GlPixels.h"
#include "support/TempDir.h"
#include "view/Geometry.h"
#include "view/GlyphMath.h"

namespace viewtest {

using glyph::Vec3;
using testsupport::FeedbackOfList;
using testsupport::FeedbackRecord;
using testsupport::FeedbackVertex;
using Records = std::vector<FeedbackRecord>;

inline void Option(const std::string& key, int value)
{
    platform::Profile::WriteString("OPTION", key, std::to_string(value));
}

// Several OPTION keys with one value each, e.g. Options({{"Fx red", 255}, ...}).
inline void Options(std::initializer_list<std::pair<const char*, int>> keys)
{
    for (const auto& k : keys)
        Option(k.first, k.second);
}

// "<prefix> red/green/blue" keys.
inline void OptionRgb(const std::string& prefix, int r, int g, int b)
{
    Option(prefix + " red", r);
    Option(prefix + " green", g);
    Option(prefix + " blue", b);
}

inline void ProjectKey(const std::string& key, const std::string& value)
{
    platform::Profile::WriteString("KESTRA ", key, value);
}

inline Vec3 At(const FeedbackVertex& v) { return {v.x, v.y, v.z}; }
inline Vec3 ColourOf(const FeedbackVertex& v) { return {v.r, v.g, v.b}; }
inline Vec3 Rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
inline bool IsWhite(const FeedbackVertex& v) { return v.r == 1.0f && v.g == 1.0f && v.b == 1.0f; }

inline void ExpectNear(const Vec3& actual, const Vec3& expected, double tol = 2e-4)
{
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}
inline void ExpectColour(const FeedbackVertex& v, const Vec3& rgb) { ExpectNear(ColourOf(v), rgb, 1e-6); }

inline Records Of(const Records& records, GLenum token) { return testsupport::OfType(records, token); }
inline size_t CountOf(GLuint list, GLenum token) { return testsupport::Count(FeedbackOfList(list), token); }
inline size_t LinesOf(GLuint list) { return testsupport::Lines(FeedbackOfList(list)).size(); }
inline bool Empty(GLuint list) { return !glIsList(list) || FeedbackOfList(list).empty(); }

inline bool AllFinite(const Records& records)
{
    for (const FeedbackRecord& r : records)
        for (const FeedbackVertex& v : r.vertices)
            if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z))
                return false;
    return true;
}

// The records of each glyph, keyed by the node or member number its list
// passes through in front of it.
inline std::map<int, Records> ByTag(const Records& records)
{
    std::map<int, Records> glyphs;
    int tag = 0;
    for (const FeedbackRecord& r : records) {
        if (r.token == GL_PASS_THROUGH_TOKEN)
            tag = static_cast<int>(r.value);
        else
            glyphs[tag].push_back(r);
    }
    return glyphs;
}

// Same number of records at the same places.
inline void ExpectSamePlaces(const Records& a, const Records& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t v = 0; v < a[i].vertices.size() && v < b[i].vertices.size(); ++v)
            ExpectNear(At(a[i].vertices[v]), At(b[i].vertices[v]), 1e-5);
}

// Node table rows from coordinates; columns 4..9 (restraints) = `fixity`.
inline void SetNodes(CGeometry& geo, const std::vector<Vec3>& xyz, double fixity = 1.0)
{
    geo.m_nodeTable.SetSize(static_cast<int>(xyz.size()), 9);
    for (int i = 1; i <= geo.m_nodeTable.GetRows(); ++i) {
        const Vec3& p = xyz[size_t(i - 1)];
        geo.m_nodeTable(i, 1) = p.x;
        geo.m_nodeTable(i, 2) = p.y;
        geo.m_nodeTable(i, 3) = p.z;
        for (int c = 4; c <= 9; ++c)
            geo.m_nodeTable(i, c) = fixity;
    }
}

// Member table rows: start, end and the given further columns 3, 4, ...
inline void SetMembers(CGeometry& geo, const std::vector<std::vector<double>>& rows)
{
    geo.m_memberTable.SetSize(static_cast<int>(rows.size()), 8);
    for (int k = 1; k <= geo.m_memberTable.GetRows(); ++k)
        for (size_t c = 0; c < rows[size_t(k - 1)].size(); ++c)
            geo.m_memberTable(k, int(c) + 1) = rows[size_t(k - 1)][c];
}

// A table of the given size with the listed {row, column, value} cells set.
inline CdMatrix Table(int rows, int cols, std::initializer_list<std::tuple<int, int, double>> cells)
{
    CdMatrix m(rows, cols);
    for (const auto& c : cells)
        m(std::get<0>(c), std::get<1>(c)) = std::get<2>(c);
    return m;
}

inline Vec3 NodeAt(const CGeometry& geo, int i)
{
    return {geo.m_nodeTable(i, 1), geo.m_nodeTable(i, 2), geo.m_nodeTable(i, 3)};
}

// Every vertex of the polygons among `records`.
template <typename F>
void ForPolygonVertices(const Records& records, F f)
{
    for (const FeedbackRecord& p : Of(records, GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices)
            f(v);
}

// A GL fixture whose cases each get their own INI.
class ViewFixture : public testsupport::GlFixture {
protected:
    testsupport::TempDir dir; // constructed before SetUp

    // A project in the case's folder with units kN and m, load case 1 and
    // the solver's local axes file (member 1: X, Y, Z; member 2: Z, Y, -X).
    void FrameProject(const std::string& type = "Frame3D", const std::string& dof = "6")
    {
        ProjectKey("File location ", dir.Folder());
        ProjectKey("Project name ", "P");
        ProjectKey("DOF ", dof);
        ProjectKey("Element Type ", type);
        ProjectKey("Current Force ", "kN");
        ProjectKey("Current Length ", "m");
        ProjectKey("LOADS CASE ", "1");
        ASSERT_TRUE(Table(3, 3, {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}}).SaveRecord(1, Dcos()));
        ASSERT_TRUE(Table(3, 3, {{1, 3, 1}, {2, 2, 1}, {3, 1, -1}}).SaveRecord(2, Dcos()));
    }
    std::string Dcos() const { return dir.Folder() + "dcos"; }
};

} // namespace viewtest
