#include "tables/node/LoadCaseTable.h"

#include "tables/MSFlexGrid.h"
#include "tables/node/TableRows.h"

void LoadCaseTable::Unchoose()
{
    m_case = 0;
    m_loads.SetSize(0, 0);
}

int LoadCaseTable::CopyRows(int from, int to)
{
    int first = 0;
    int last = 0;
    if (!TableRows::Cut(from, to, m_loads.GetRows(), first, last))
        return 0;
    m_copy = TableRows::Slice(m_loads, first, last, m_loads.GetCols());
    return m_copy.GetRows();
}

bool LoadCaseTable::ClearGrid(CMSFlexGrid& grid) const
{
    grid.Clear();
    if (m_case < 1) {
        grid.SetRows(1);
        grid.SetCols(1);
        return false;
    }
    return true;
}
