// What the connectivity tables do to the model, shared by the page
// CElementPage1 and its bar twin CElementBar1: each owns one worker, which
// holds its member clipboard, and adds only what it does differently (its
// grid layout, redraws, marks and project counters).
//
// The member functions work on the model view's node and member tables and
// touch neither the grid nor the display; the static functions are the
// table algorithms on plain matrices. Grids are filled by
// MemberTableWorkerGrid.cpp.
#pragma once
#include <string>
#include <vector>

#include "numerics/dMatrix.h"

class CGeometry;
class CMSFlexGrid;
class GridEditing;

class MemberTableWorker {
public:
    // Columns of a member row.
    enum Column : int {
        ColStart = 1,
        ColEnd = 2,
        ColLength = 3,
        ColRefX = 4,
        ColRefY = 5,
        ColRefZ = 6,
        ColProperty = 7,
        ColRelease = 8,
    };
    static constexpr int kMemberColumns = 8;
    // Coordinate axis of a mirror plane normal or a rotation axis.
    enum Axis : int { AxisX = 1, AxisY = 2, AxisZ = 3 };
    // Mirror and rotate: 1 moves the nodes, 2 adds a transformed copy.
    enum Mode : int { ModeMove = 1, ModeCopy = 2 };
    // The angle constant of the rotation page.
    static constexpr double kPi = 3.14159265359;

    // A selected member range, ordered and cut to the table.
    struct Range {
        int first = 1;
        int last = 0;
        bool Empty() const { return first > last; }
        int Count() const { return Empty() ? 0 : last - first + 1; }
    };

    // The answers of the element generation page.
    struct Generation {
        int startIncrement = 1;
        int endIncrement = 1;
        int property = 1;
        int count = 1;
        int ratio = 1;
        int element = 0; // the source member
    };

    explicit MemberTableWorker(CGeometry* geometry = nullptr) : m_geometry(geometry) {}

    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CGeometry* Geometry() const { return m_geometry; }
    int MemberCount() const;
    int NodeCount() const;

    // ---- selection -----------------------------------------------------------
    // Puts the model view's member range in order (first <= last).
    void OrderSelection();
    // The ordered range cut to 1 .. member count.
    Range SelectedRows() const;

    // ---- clipboard -----------------------------------------------------------
    const CdMatrix& Clipboard() const { return m_clipboard; }
    bool HasClipboard() const { return m_clipboard.GetRows() > 0; }
    // Orders the selection and copies its member rows (all columns). Returns
    // the rows copied (0 leaves the clipboard as it was).
    int Copy();

    // ---- commands ------------------------------------------------------------
    // Appends a member of zeros with the given property group.
    void AddNew(double property);
    // Orders the selection and deletes its rows; false when nothing selected.
    bool Delete();
    // Appends the clipboard's members shifted by (dx, dy, dz), reusing nodes
    // at exactly the shifted points and appending the others; the clipboard
    // keeps the new node numbers. Returns the members appended.
    int Paste(double dx, double dy, double dz);
    // Moves every node of the selected members once by (dx, dy, dz). Returns
    // the nodes moved.
    int Move(double dx, double dy, double dz);
    // Copies the selection, then reflects it in the plane axis = distance
    // (mode Move: the nodes themselves; Copy: new members on found or new
    // nodes). Renumbering is the caller's.
    void Mirror(Axis axis, double distance, Mode mode);
    // Copies the selection, then turns it by theta (radians) about the
    // line through point (1-based x, y, z) parallel to the axis.
    void Rotate(Axis axis, const double point[4], double theta, Mode mode);
    // Column (ColProperty or ColRelease) of every selected member = value;
    // false when nothing is selected.
    bool Assign(int column, int value);
    // Appends the rows of a member file; false when the file cannot be read
    // or its column count differs (both reported by the matrix).
    bool Import(const std::string& path);
    // Fills the clipboard with the generated members and appends them.
    // Returns the members appended (0 when count < 1 or the source member
    // does not exist).
    int Generate(const Generation& generation);

    // ---- renumbering ---------------------------------------------------------
    // Measures every member and removes those of length <= 0. Returns the
    // members removed.
    int RemoveZeroLength();
    // Removes every later member joining the same two nodes as an earlier
    // one, in either direction (the page's Re Number). Returns the removed.
    int RemoveDuplicates();

    // ---- cells ---------------------------------------------------------------
    // Stores a typed node, property or release number into member column
    // (ColStart, ColEnd, ColProperty, ColRelease) of row: numbers outside
    // their range become 0; a node change measures the member. Returns the
    // value stored.
    long CheckIn(int row, int column, long value);
    // Members first..last (cut to the table) with two distinct nodes whose
    // reference point is still the placeholder (0, 0, 0) or gives no
    // orientation (on the member's line) get the default one
    // (RefPointTable::DefaultPoint). Returns the members changed.
    int OrientNewMembers(int first, int last);
    // Column 3 of row = distance of its two nodes (0 when a node is 0 or
    // beyond the node table).
    void FineLength(int row);

    // ---- printout ------------------------------------------------------------
    // "Member.txt" in the project folder, opened in the text viewer.
    bool Print() const;
    static std::string Report(const CdMatrix& members);

    // ---- grid (MemberTableWorkerGrid.cpp) ------------------------------------
    // The page's six columns (with the length) or the bar's five.
    void FillGrid(CMSFlexGrid& grid, const GridEditing& editing, bool bar) const;
    void ShowRow(CMSFlexGrid& grid, long row, bool bar) const;
    // Width of the node columns: wide below 27 members.
    static long NodeColumnWidth(int memberCount) { return memberCount < 27 ? 1125 : 1005; }
    // Member column shown in grid column col; 0 for the element number.
    static int MemberColumnOf(long col, bool bar);
    // "         %d" of a number cell (the stored value truncated).
    static std::string NumberText(double value);

    // ---- table algorithms ----------------------------------------------------
    static double Length(const CdMatrix& nodes, const CdMatrix& members, int row);
    // Keeps the rows whose flag (index = row) is set, in order.
    static void KeepRows(CdMatrix& table, const std::vector<char>& keep);
    // The 3 x 3 matrix R of a turn about an axis (points as row vectors,
    // p' = (p - K) R + K).
    static CdMatrix RotationMatrix(Axis axis, double theta);
    // The generated member rows (count x columns).
    static CdMatrix GeneratedMembers(int start, int end, const Generation& generation, int columns);

    // A point transformation applied to node rows (1-based x, y, z).
    class Transform;

private:
    // Mode Move: every node of a clipboard member transformed once, in place.
    void TransformNodes(const Transform& transform);
    // Mode Copy: transformed node copies looked up (tolerant) or appended,
    // the clipboard relinked and appended to the members.
    void TransformCopy(const Transform& transform);
    bool ValidNode(int node) const;
    // A member table without columns takes the member width.
    void EnsureMemberColumns();

    CGeometry* m_geometry;
    CdMatrix m_clipboard;
};
