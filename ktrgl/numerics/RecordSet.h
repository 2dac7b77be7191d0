// Many records of one record file of doubles, read with a single open: what
// a loop of CdMatrix::LoadRecord(k) over k = 1..count gives, without opening
// the file once per record. The model view reads the members' local axes
// ("dcos") this way when it builds the force diagrams.
#pragma once
#include <string>
#include <vector>

#include "numerics/TableFile.h"

class CdMatrix;

namespace numerics {

class RecordSet {
public:
    // Reads records 1..count. On failure the set is left empty and the
    // result says why (no message).
    ReadResult Read(const std::string& path, int count);
    // The same with the "Access file " message on failure; false then.
    bool Load(const std::string& path, int count);

    bool IsLoaded() const { return m_loaded; }
    int GetCount() const { return m_count; }
    int GetRows() const { return m_rows; }
    int GetCols() const { return m_cols; }

    // Element (i, j) of record k under CdMatrix's rule: outside the record's
    // rows and columns the record's spare slot. A record the file did not
    // reach, or k outside 1..count, reads 0.
    double operator()(int k, int i, int j) const
    {
        if (k < 1 || k > m_stored)
            return 0.0;
        const double* r = &m_values[static_cast<std::size_t>(k - 1) * m_stride];
        if (i < 1 || i > m_rows || j < 1 || j > m_cols)
            return r[0];
        return r[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_cols) + j];
    }
    // Record k as CdMatrix::LoadRecord(k) of the file would have read it.
    CdMatrix Record(int k) const;

private:
    std::vector<double> m_values; // stored records, spare slot first in each
    std::size_t m_stride = 1;     // rows*cols + 1
    int m_rows = 0;
    int m_cols = 0;
    int m_count = 0;
    long long m_stored = 0;       // records the file reached (<= m_count)
    bool m_loaded = false;
};

} // namespace numerics
