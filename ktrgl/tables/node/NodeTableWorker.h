// What the node coordinate and restraint tables do to the model, shared by
// each page and its docked bar twin: the page and the bar each own one
// worker (it holds their copy buffer) and add only what they do
// differently: their redraws, their marks, their dialogs.
//
// The static functions are the table algorithms on plain matrices; the
// member functions apply them to the model view's node and member tables
// and call the model view's update for the change. Grids are filled and
// the popup menus prepared by NodeTableWorkerGrid.cpp.
#pragma once
#include <string>

#include "numerics/dMatrix.h"

class CGeometry;
class CMSFlexGrid;
class GridEditing;
class QMenu;

class NodeTableWorker {
public:
    // Columns of a node row: X, Y, Z, then six restraint codes.
    static constexpr int kNodeColumns = 9;
    // Restraint codes.
    static constexpr double kFree = 1.0;
    static constexpr double kRestrained = 0.0;
    // Most nodes one linear generation appends.
    static constexpr int kMaxGenerated = 1000000;

    // A selected row range, ordered and cut to the table.
    struct Range {
        int first = 1;
        int last = 0;
        bool Empty() const { return first > last; }
        int Count() const { return Empty() ? 0 : last - first + 1; }
    };

    // The answers of the linear generation dialog.
    struct LinearGeneration {
        int start = 0;
        double dx = 0.0;
        double dy = 0.0;
        double dz = 0.0;
        int count = 0;
        double ratio = 1.0;
        bool restrained[6] = {false, false, false, false, false, false};
    };

    explicit NodeTableWorker(CGeometry* geometry = nullptr) : m_geometry(geometry) {}

    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    // Sets the model view and points the table's selection at its node range
    // (NodeTableWorkerGrid.cpp); nullptr detaches both.
    void SetGeometry(CGeometry* geometry, GridEditing& editing);
    CGeometry* Geometry() const { return m_geometry; }
    int NodeCount() const;

    // ---- selection ---------------------------------------------------------
    // The model view's node range in order and cut to 1 .. node count.
    Range SelectedRows() const;
    // Puts the model view's range in order (first <= last).
    void OrderSelection();

    // ---- copy buffer -------------------------------------------------------
    const CdMatrix& CopyBuffer() const { return m_copy; }
    bool HasCopy() const { return m_copy.GetRows() > 0; }
    // The selected rows, first to last, all nine columns. Returns the rows
    // copied (0 leaves the buffer as it was).
    int Copy();

    // ---- coordinate commands (model view updated, no grid touched) ---------
    // Appends a free node at (0, 0, 0) and rebuilds the node display.
    void AddNew();
    // Appends the copy buffer shifted by (dx, dy, dz); false when the buffer
    // is empty or the rows were refused.
    bool Paste(double dx, double dy, double dz);
    // Shifts the selected rows by (dx, dy, dz) after ordering the selection;
    // false when no row is selected.
    bool Move(double dx, double dy, double dz);
    // Deletes the selected rows and renumbers the member ends; false when no
    // row is selected.
    bool Delete();
    // Removes every node no member uses (the page's Re Number). Returns the
    // number of nodes removed.
    int RemoveUnconnected();
    // Appends the rows of a node file; false when the file cannot be read
    // or its rows are refused (both are reported by the matrix).
    bool Import(const std::string& path);
    // Appends the generated nodes. Returns the number appended.
    int Generate(const LinearGeneration& generation);
    // The dialog's opening values for a start node: its restraint boxes
    // are checked where the node is restrained.
    LinearGeneration LinearDefaults(int startNode) const;

    // ---- restraint commands ------------------------------------------------
    // Runs a command of the "DOF" popup (PlanXY .. LockMz) on the selected
    // rows, writing the codes and, when a grid is given, the cell texts.
    // Returns the rows concerned (empty for an unknown command).
    Range Restrain(int commandId, CMSFlexGrid* grid);

    // ---- cell commits ------------------------------------------------------
    // A coordinate shown in display units is stored in metres.
    void StoreCoordinate(long row, long col, double shown);
    // A restraint code of cell column col (1..6) as typed.
    void StoreCode(long row, long col, long code);

    // ---- project facts -----------------------------------------------------
    // "Frame3D" (six degrees of freedom) or not.
    static bool IsFrame();
    // Restraint columns shown: the project's "DOF " setting, 0 .. 6.
    static int RestraintColumns();
    static std::string LengthUnit();

    // ---- printouts ---------------------------------------------------------
    // "coordinate.txt" and "restraint.txt" in the project folder, opened in
    // the text viewer. False when the file could not be written.
    bool PrintCoordinates() const;
    bool PrintRestraints() const;
    static std::string CoordinateReport(const CdMatrix& nodes, const std::string& lengthUnit);
    static std::string RestraintReport(const CdMatrix& nodes, bool frame);

    // ---- grids (NodeTableWorkerGrid.cpp) -----------------------------------
    // Coordinate table: header, widths, the rows of the fill window.
    void FillCoordinateGrid(CMSFlexGrid& grid, const GridEditing& editing) const;
    void ShowCoordinateRow(CMSFlexGrid& grid, long row, double lengthFactor) const;
    // Redraws the rows first .. last that lie in the fill window.
    void ShowCoordinateRows(CMSFlexGrid& grid, const GridEditing& editing, int first, int last) const;
    // A committed cell text: shown in the grid as the table shows it and
    // stored; cells outside the table are ignored.
    void StoreCoordinateCell(CMSFlexGrid& grid, long row, long col, const std::string& text);
    void StoreCodeCell(CMSFlexGrid& grid, long row, long col, const std::string& text);
    // Restraint table: header and the rows of the fill window.
    // The headers keep their texts; each carries a tooltip naming its
    // degree of freedom and the codes (RestraintTip).
    void FillRestraintGrid(CMSFlexGrid& grid, const GridEditing& editing) const;
    // "Restraints 1: translation X - 0 restrained, 1 free", ... for k = 1..6.
    static std::string RestraintTip(int k);
    // One line saying what the restraint columns of `columns` degrees of
    // freedom hold and what the codes mean.
    static std::string RestraintLegend(int columns);
    void ShowRestraintRow(CMSFlexGrid& grid, long row, int columns) const;
    static std::string CodeText(double code);
    // Greys the "node" popup's items as the table allows.
    void PrepareNodeMenu(QMenu* menu, bool hasRows) const;
    // Orders the selection and greys / checks the "DOF" popup's items.
    void PrepareDofMenu(QMenu* menu);

    // ---- table algorithms --------------------------------------------------
    // Appends rows to a node table; an empty table takes the rows' width.
    // Rows of another width are refused with the matrix's message. Returns
    // whether anything was appended.
    static bool AppendNodeRows(CdMatrix& nodes, const CdMatrix& rows);
    // The free node row (0, 0, 0, 1, 1, 1, 1, 1, 1).
    static CdMatrix FreeNodeRow();
    // Removes node rows first..last and renumbers the member ends as
    // deleting them one by one from the last to the first does: an end
    // naming a deleted node becomes 0, an end above it goes down by one per
    // deleted node below it. One pass over the members.
    static void DeleteNodeRows(CdMatrix& nodes, CdMatrix& members, int first, int last);
    // Member end value after deleting nodes first..last.
    static double RenumberedEnd(double end, int first, int last);
    // Adds (dx, dy, dz) to columns 1..3 of rows first..last.
    static void AddOffset(CdMatrix& nodes, int first, int last, double dx, double dy, double dz);
    // The n x 9 block of the linear generation from (x0, y0, z0); empty when
    // the start point is the origin or n <= 0.
    static CdMatrix LinearNodes(double x0, double y0, double z0, const LinearGeneration& generation);
    // The degrees of freedom (1..6) a restraint command sets, and the code.
    // False for a toggle or an unknown command.
    static bool RestraintSet(int commandId, bool frame, int* dofs, int& count, double& code);
    // Degree of freedom (1..6) a toggle command flips; 0 for other commands.
    static int ToggleDof(int commandId);

private:
    CGeometry* m_geometry;
    CdMatrix m_copy;
};
