// What the tables of one load case share, the node loads (LoadCaseWorker)
// and the member loads (MemberLoadTable): the model view, the shown case
// (0 while none is shown), its load matrix in stored units and the copy
// buffer of load rows. How a case is read, written and drawn is each
// table's own.
#pragma once
#include "numerics/dMatrix.h"

class CGeometry;
class CMSFlexGrid;

class LoadCaseTable {
public:
    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CGeometry* Geometry() const { return m_geometry; }

    // 0 until a case is chosen (no table is shown then).
    int CurrentCase() const { return m_case; }
    const CdMatrix& Loads() const { return m_loads; }
    // Forgets the shown case (k = 0, no loads).
    void Unchoose();

    const CdMatrix& CopyBuffer() const { return m_copy; }
    bool HasCopy() const { return m_copy.GetRows() > 0; }
    void ClearCopy() { m_copy.SetSize(0, 0); }

protected:
    explicit LoadCaseTable(CGeometry* geometry) : m_geometry(geometry) {}
    ~LoadCaseTable() = default;

    // Load rows from .. to (put in order, cut to the load rows), every
    // column, into the copy buffer. Returns the rows copied (0 leaves the
    // buffer).
    int CopyRows(int from, int to);
    // Clears the grid; while no case is shown only the header cell stays and
    // false is returned.
    bool ClearGrid(CMSFlexGrid& grid) const;

    CGeometry* m_geometry;
    int m_case = 0;
    CdMatrix m_loads;
    CdMatrix m_copy;
};
