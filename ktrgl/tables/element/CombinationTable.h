// The load combinations of the project: what the combination page
// (CCombinationPage) and its bar twin (CCombinationBar) share. The single
// data source is the table file project folder + name + ".cmb": one row per
// combination, one column per load case holding the factor of that case
// (0 = not in the combination). The results of combination c are record
// N + c of every result file (N load cases). The page and the bar read the
// file whenever they fill their table and write it after every change.
#pragma once
#include <string>

#include "numerics/dMatrix.h"

class CGeometry;
class CMSFlexGrid;
class GridEditing;

class CombinationTable {
public:
    static const char* const kCaption;    // "KESTRA Wizard"
    static const char* const kFactorText; // a factor that is not a finite number
    static const char* const kNoCaseText; // combinations without load cases

    explicit CombinationTable(CGeometry* geometry = nullptr) : m_geometry(geometry) {}
    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CGeometry* Geometry() const { return m_geometry; }

    // Project folder + project name + ".cmb".
    static std::string FilePath();
    // Combinations in the file (0 without load cases or without a file).
    static int Count();
    // "Combination %d".
    static std::string Name(int c);

    const CdMatrix& Factors() const { return m_factors; }
    int Rows() const { return m_factors.GetRows(); }
    int Cases() const { return m_factors.GetCols(); }
    // Reads the file, one column per load case ("Number load case "): the
    // columns the file lacks are 0, those beyond the cases dropped. A missing
    // file is a project without combinations.
    bool Load();
    // Writes rows x N (0 x N when empty).
    bool Save() const;

    // The factor typed into (row, col); refused with a message when it is
    // not a finite number. Saved when stored.
    bool StoreCell(int row, int col, double factor);
    // A new combination with factor 1 for every case, saved. Returns the
    // new row count (0 without load cases: refused with a message).
    int AddRow();
    int DeleteRows(int from, int to);

    void FillGrid(CMSFlexGrid& grid, const GridEditing& editing) const;
    void ShowRow(CMSFlexGrid& grid, int row) const;

    enum Output { PrintOut, WordExport, ExcelExport };
    std::string Report(Output output) const;
    // "Combination.txt" (text viewer), "combination.txt" (word processor),
    // "combination.xls" (spreadsheet) in the project folder.
    bool Publish(Output output) const;

private:
    void Changed() const;

    CGeometry* m_geometry;
    CdMatrix m_factors;
};
