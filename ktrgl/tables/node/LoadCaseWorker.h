// What the load bar does to the project's load cases and to the node loads
// of the case it shows: the case files (project folder + name + ".lod" + k),
// choosing, adding and deleting cases, the rule that a supported degree of
// freedom takes no load, copy and paste of load rows, load generation and
// the printout. The bar (CNodeBar3) owns one worker and adds its widgets:
// the grid, the case list and the restraint boxes.
//
// The load matrix holds one row per node and "DOF " columns (Fx, Fy, Fz,
// then Mx, My, Mz for "Frame3D") in stored units: kilogram-force and
// kilogram-force x metre.
#pragma once
#include <string>

#include "numerics/dMatrix.h"
#include "tables/node/LoadCaseTable.h"

class CGeometry;
class CProject;
class CMSFlexGrid;
class GridEditing;

class LoadCaseWorker : public LoadCaseTable {
public:
    // The message of a load typed at a supported degree of freedom.
    static const char* const kInactiveText;    // "Inactive DOF(support) can't apply any load"
    static const char* const kInactiveCaption; // "KESTRA Wizard"
    // Rows filled on either side of the scroll position.
    static constexpr int kFillHalf = 5;

    // The answers of the load generation dialog.
    struct LoadGeneration {
        double values[6] = {0, 0, 0, 0, 0, 0}; // Fx, Fy, Fz, Mx, My, Mz, stored units
        int start = 0;                         // first node
        double ratio = 0.0;                    // every value is multiplied by it
        int count = 0;                         // nodes to load
        int step = 0;                          // node number step
    };

    explicit LoadCaseWorker(CGeometry* geometry = nullptr) : LoadCaseTable(geometry) {}

    int NodeCount() const;

    // ---- project facts -----------------------------------------------------
    // Degrees of freedom per node ("DOF ", cut to 0 .. 6).
    static int Dof();
    static bool IsFrame();
    // "Number load case ".
    static int CaseCount();
    // "lod%d" of k, the extension of case k's file.
    static std::string CaseExtension(int k);
    // Project folder + project name + ".lod" + k.
    static std::string CasePath(int k);

    // ---- the shown case ----------------------------------------------------
    using LoadCaseTable::Loads;
    CdMatrix& Loads() { return m_loads; }
    // Chooses case k of 1 .. N: "LOADS CASE" becomes k and the settings are
    // written; the case file is read into a node count x "DOF " matrix, what
    // the file lacks being 0. False (nothing changed) for k outside 1 .. N.
    bool Choose(int k);
    // Shows the project's active case again as its file holds it now (after
    // another project was opened, an undo): the settings are not written.
    // No case is shown when the project has none.
    void Reread();
    // Writes the load matrix to the shown case's file; false when there is
    // no shown case or the file could not be written (reported).
    bool Save() const;
    // The model view receives a copy of the loads (load glyphs rebuilt).
    void Redraw() const;

    // ---- cases ---------------------------------------------------------------
    // Writes a zero node count x "DOF " matrix as case N + 1 ("lod1" when
    // there is none), raises the count, writes the settings and marks the
    // model changed. The shown case stays. Returns the new count.
    int AddCase();
    // Deletes case k of 1 .. N: its file is removed, the count lowered and
    // the settings written, the files of cases k + 1 .. N renamed one number
    // down. A file that cannot be removed or renamed is traced as
    // "File " + path + " not found, cause = " + code and the loop goes on.
    // When the shown case was among the renumbered ones it is forgotten.
    // False when k is outside 1 .. N.
    bool DeleteCase(int k);
    // What else belongs to case k of count when it is deleted: its member
    // loads (".mld" + k, later cases renumbered one down like the node
    // loads) and its column of the load combinations (".cmb").
    static void DeleteCaseCompanions(int k, int count);
    // The failure code traced for errno (the codes of the original file
    // exceptions: 2 not found, 3 bad path, 5 access denied, ...).
    static int FailureCause(int error);

    // ---- loads ---------------------------------------------------------------
    // Node j's degree of freedom dof (1 .. 6) is free (restraint code 1).
    bool IsFree(int node, int dof) const;
    // A value typed in display units at (node, dof): stored (divided by the
    // force or moment factor), the file saved and the model view redrawn
    // when the degree of freedom is free; otherwise the message above and
    // nothing stored. Returns whether it was stored.
    bool StoreLoad(int node, int dof, double shown);
    // The load matrix made node count x "DOF ", keeping what fits.
    void FitToModel();

    // ---- copy buffer ---------------------------------------------------------
    // The model view's selected rows (first to last, cut to the load rows),
    // every column. Returns the rows copied (0 leaves the buffer).
    int Copy();
    // Buffer row i goes to load row first + i - 1 (first = the first
    // selected row, 1 when none is selected), rows past the last node
    // skipped; then saved and redrawn. Returns the rows written.
    int Paste();

    // ---- generation ----------------------------------------------------------
    // Applies the generation to the shown case (free degrees of freedom
    // only), saves and redraws. Returns the loads written; 0 without a case.
    int Generate(const LoadGeneration& generation);
    // The generation on plain matrices: loads(m, j) = value j x ratio for
    // m = start + (i - 1) x step, i = 1 .. count, where node m exists and its
    // code j is 1. Returns the loads written.
    static int GenerateLoads(CdMatrix& loads, const CdMatrix& nodes, const LoadGeneration& generation,
                             int dof);

    // ---- printout ------------------------------------------------------------
    // "External load.txt" in the project folder, opened in the text viewer.
    bool Print() const;
    // The loads in the project's units: forces x the force factor, moments
    // x the moment factor, under headings naming those units.
    static std::string Report(const CdMatrix& loads, int loadCase, bool frame, const std::string& forceUnit,
                              const std::string& lengthUnit);

    // ---- grid ------------------------------------------------------------------
    // Clear, counts, header, widths, the rows around the scroll position;
    // nothing but the header row while no case is shown.
    void FillGrid(CMSFlexGrid& grid, const GridEditing& editing) const;
    // The rows around the scroll position only.
    void FillRows(CMSFlexGrid& grid, const GridEditing& editing) const;

private:
    // Case k's file into the load matrix; k becomes the shown case.
    void Read(CProject& project, int k);
};
