// The member loads of one load case: what the member load page
// (CMemberLoadPage) and its bar twin (CMemberLoadBar) share. The single data
// source is the case's table file, project folder + name + ".mld" + k: one
// row per load, seven columns
//   1 member (1 .. member count)
//   2 kind: 1 uniform over the member, 2 linear from a to b, 3 concentrated
//     force at a, 4 self weight (w1 x the area of the member's property)
//   3 direction: 1, 2, 3 the member's local axes, 4, 5, 6 global X, Y, Z
//   4 a, 5 b: distances from the start node (metres)
//   6 w1, 7 w2: intensities (kilogram-force per metre; kilogram-force for a
//     concentrated load, per cubic metre for self weight)
// The page and the bar read the file whenever they fill their table and
// write it after every change, so either sees the other's edits. A row is
// stored only when it passes Check; a refused value leaves the row as it was.
#pragma once
#include <functional>
#include <string>

#include "numerics/dMatrix.h"
#include "tables/node/LoadCaseTable.h"

class CGeometry;
class CMSFlexGrid;
class GridEditing;

class MemberLoadTable : public LoadCaseTable {
public:
    static constexpr int kColumns = 7;
    enum Column { ColMember = 1, ColKind, ColDirection, ColA, ColB, ColW1, ColW2 };
    enum Kind { KindUniform = 1, KindLinear = 2, KindPoint = 3, KindSelfWeight = 4 };

    // Caption of every refusal.
    static const char* const kCaption; // "KESTRA Wizard"
    // Refusals ("%d" / "%g" filled in as noted).
    static const char* const kMemberText;    // member number, member count
    static const char* const kKindText;
    static const char* const kDirectionText;
    static const char* const kOutsideText;   // "a" or "b", value, unit, member, length, unit
    static const char* const kOrderText;
    static const char* const kWholeMemberText;
    static const char* const kOnlyLinearText; // "b" or "w2"
    static const char* const kNoCaseText;

    explicit MemberLoadTable(CGeometry* geometry = nullptr) : LoadCaseTable(geometry) {}

    int MemberCount() const;
    // Distance between the member's end nodes in metres (0 when it has none).
    double MemberLength(int member) const;

    // ---- project facts -----------------------------------------------------
    // "mld%d" of k.
    static std::string CaseExtension(int k);
    // Project folder + project name + ".mld" + k.
    static std::string CasePath(int k);
    // "LOADS CASE" when it names one of the load cases 1 .. N, else 0 (no
    // case, or a combination is active).
    static int ActiveCase();

    // ---- the shown case ----------------------------------------------------
    int Rows() const { return m_loads.GetRows(); }
    // Reads case k's file (a missing file is a case without member loads; a
    // damaged one is reported by the reader and reads as none). False for k
    // outside 1 .. N.
    bool Choose(int k);
    // Writes the table to the case's file (0 rows x 7 columns when empty).
    bool Save() const;
    // The model view draws the rows (its member load glyphs are rebuilt).
    void Redraw() const;

    // ---- rows ----------------------------------------------------------------
    // "" when the row may be stored, otherwise the refusal's text. length
    // gives the length of member m in metres; units name the length unit and
    // its factor for the message.
    static std::string Check(const double row[kColumns], int memberCount, const std::function<double(int)>& length,
                             const std::string& lengthUnit, double lengthFactor);
    // The value typed in display units into column col of row: converted to
    // stored units; a new kind clears what it does not use (kind 2 from
    // another kind runs over the whole member). Refused with a message when
    // Check fails. Saved and redrawn when stored.
    bool StoreCell(int row, int col, double shown);
    // A uniform load of 0 along global Y on member (1 when 0 or outside),
    // saved. Returns the new row count; 0 without a case.
    int AddRow(int member);
    // Removes rows from .. to (cut to the table). Returns the rows removed.
    int DeleteRows(int from, int to);
    int Copy(int from, int to) { return CopyRows(from, to); }
    // The copied rows appended to the shown case. Returns the rows added.
    int Paste();
    // Replaces the case's self weight rows by one kind 4 row per member:
    // weight per volume shown in display units (its sign gives the sense),
    // along direction (1 .. 6). Returns the rows written; 0 without a case,
    // for a direction outside 1 .. 6 or without members.
    int GenerateSelfWeight(double shownWeight, int direction);

    // ---- units -----------------------------------------------------------------
    // Factor from stored to display units of column col for a row of kind.
    double Factor(int kind, int col) const;

    // ---- grid ------------------------------------------------------------------
    // Header, widths and every row; only the header while no case is shown.
    void FillGrid(CMSFlexGrid& grid, const GridEditing& editing) const;
    void FillRows(CMSFlexGrid& grid, const GridEditing& editing) const;
    void ShowRow(CMSFlexGrid& grid, int row) const;
    // Header text of grid column col (0 .. 7).
    static std::string Header(int col, const std::string& length, const std::string& force);

    // ---- printout and exports --------------------------------------------------
    // "Member load.txt" (text viewer), "member load.txt" (word processor) or
    // "member load.xls" (spreadsheet) in the project folder.
    enum Output { PrintOut, WordExport, ExcelExport };
    std::string Report(Output output) const;
    bool Publish(Output output) const;

private:
    bool Store(int row, const double values[kColumns]);
};
