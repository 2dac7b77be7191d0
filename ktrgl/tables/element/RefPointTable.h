// The member reference points (columns 4, 5, 6 of the member table) as the
// page CElementPage2 and its bar twin CElementBar2 edit them: the grid
// layout, the commit of a cell, the automatic rules "Parallel X/Y/Z" and
// the bar's "Generate...", and the printout. The page shows and takes
// stored values; the bar shows them in the project's length unit, which
// the caller passes as the factor (1 on the page).
#pragma once
#include <string>

class CGeometry;
class CMSFlexGrid;
class CdMatrix;
class GridEditing;

class RefPointTable {
public:
    // Angle constants of the two rules.
    static constexpr double kParallelQuarter = 1.57079632675;
    static constexpr double kGenerateQuarter = 1.570796326795;

    explicit RefPointTable(CGeometry* geometry = nullptr) : m_geometry(geometry) {}
    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CGeometry* Geometry() const { return m_geometry; }
    int MemberCount() const;

    // ---- rules on one member (false when a node of the member is missing) --
    bool ParallelX(int row);
    bool ParallelY(int row);
    bool ParallelZ(int row);
    bool Generate(int row);
    // The rules on points (1-based x, y, z); the reference point comes back
    // in point.
    static void ParallelPoint(int axis, const double* start, const double* end, double* point);
    static void GeneratePoint(const double* start, const double* end, double* point);
    // The reference point a new member gets, as the geometry wizard and the
    // sample projects orient theirs: a tenth of the member's length from
    // the start node, straight up (global Y) for a member that is not near
    // vertical, along global X for a near-vertical one (|dy| > 0.9 L).
    // Local axis 2 then lies in the vertical plane of a beam (bending under
    // gravity is about local 3) and along X for a column. Never on the
    // member's line unless its nodes coincide.
    static void DefaultPoint(const double* start, const double* end, double* point);
    // Whether point gives the member no cross-section orientation: it lies
    // on the line through start and end (or the nodes coincide).
    static bool IsDegenerate(const double* start, const double* end, const double* point);

    // ---- selection ------------------------------------------------------------
    // Orders the member range and returns it cut to the table (first > last
    // when empty).
    void SelectedRows(int& first, int& last) const;

    // ---- grid -----------------------------------------------------------------
    void FillGrid(CMSFlexGrid& grid, const GridEditing& editing, double factor, bool bar) const;
    void ShowRow(CMSFlexGrid& grid, long row, double factor) const;
    // "Parallel X/Y/Z" (axis 1, 2, 3) of one row, shown again when it
    // changed; true then.
    bool ParallelRow(int axis, int row, CMSFlexGrid& grid, double factor);
    // The same rule over the selected rows; true when the selection held any.
    bool ParallelSelection(int axis, CMSFlexGrid& grid, double factor);
    // Stores the typed text of cell (row, col 1..3): shown "%.4g", parsed
    // again and divided by factor into member column col + 3.
    bool StoreCell(CMSFlexGrid& grid, long row, long col, const std::string& text, double factor);

    // ---- printout -------------------------------------------------------------
    bool Print() const;
    static std::string Report(const CdMatrix& members, const std::string& lengthUnit);

private:
    bool Nodes(int row, double* start, double* end) const;
    void Store(int row, const double* point);

    CGeometry* m_geometry;
};
