// The property groups (section and material) that members refer to by
// number: one row per group, six columns E, A, G, I1, I2, I3 in stored
// units, whatever the structure type. The page CElementPage3 and the bar
// CElementBar3 each own one PropertyTable; the single data source both
// edit is the project's property file (location + name + ".pro"):
//   - the page loads the file when it becomes active and saves it when it
//     is left;
//   - the bar loads the file whenever it refills its table (Refresh, after
//     creation) and saves it after every change it makes.
// So whichever of the two the user edits, the other sees the edits the next
// time it reads the file. This class holds the table algorithms they share:
// unit conversion, grid layout, add, delete, import, the commit of a cell
// and the printout.
#pragma once
#include <string>

#include "numerics/dMatrix.h"

class CGeometry;
class CMSFlexGrid;
class GridEditing;

class PropertyTable {
public:
    static constexpr int kColumns = 6;
    enum Layout { Frame, Truss, Other };

    PropertyTable() = default;

    CdMatrix& Table() { return m_table; }
    const CdMatrix& Table() const { return m_table; }
    int Rows() const { return m_table.GetRows(); }

    // The project's property file (the load reports a missing file).
    bool Load();
    // The same without a message when the file does not exist yet.
    bool LoadIfPresent();
    // False without writing while the file exists but could not be read:
    // an unreadable file is left alone, never overwritten.
    bool Save() const;
    // Whether the last load found the file but could not read it.
    bool Unreadable() const { return m_unreadable; }
    static std::string FilePath();

    // An empty table becomes one group: stored values of the given display
    // values (0 on the page, 1 on the bar); otherwise a group of zeros is
    // appended.
    void AddNew(CGeometry* geometry, double displayValue);
    // Removes group row; false when there is no such group.
    bool Delete(int row);
    // Appends the groups of a property file; false when it cannot be read or
    // has other than six columns (both reported by the matrix).
    bool Import(const std::string& path);
    // GetMaterialCount() = rows, written with the project settings.
    void WriteCount() const;

    // ---- units -------------------------------------------------------------
    // Factor of column 1..6: stress, area, stress, inertia, inertia, inertia.
    static double Factor(CGeometry* geometry, int column);
    static Layout LayoutOf(const std::string& elementType);
    // Header texts of the grid: property column and the value columns.
    static std::string Header(int column, const std::string& force, const std::string& length);

    // ---- grid --------------------------------------------------------------
    // Shape, headers, widths, then the rows around the scroll position with
    // the values in format ("%.3f" page, "%g" bar). gridRows counts the
    // grid's rows including the header row.
    void FillGrid(CMSFlexGrid& grid, const GridEditing& editing, CGeometry* geometry, long gridRows,
                  const char* format, bool clear) const;
    // Stores the text typed into cell (row, col): shown in editFormat,
    // parsed again and divided by the column's factor.
    bool StoreCell(CMSFlexGrid& grid, CGeometry* geometry, long row, long col, const std::string& text,
                   const char* editFormat);

    // ---- printout ----------------------------------------------------------
    // "reference point.txt" in the project folder, opened in the text viewer.
    bool Print() const;
    static std::string Report(const CdMatrix& table, const std::string& elementType, const std::string& force,
                              const std::string& length);

private:
    CdMatrix m_table;
    bool m_unreadable = false;
};
