#include "numerics/RecordSet.h"

#include "numerics/dMatrix.h"

namespace numerics {

ReadResult RecordSet::Read(const std::string& path, int count)
{
    *this = RecordSet();
    std::int32_t rows = 0, cols = 0;
    std::size_t stride = 1;
    long long stored = 0;
    std::vector<double> values;
    const ReadResult result = ReadRecords(
        path, count, sizeof(double),
        [&](const std::int32_t* header, std::int64_t n) -> void* {
            rows = header[0];
            cols = header[1];
            stride = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols) + 1;
            stored = n;
            values.assign(stride * static_cast<std::size_t>(n), 0.0);
            return values.data();
        });
    if (result != ReadResult::Ok)
        return result;
    m_values = std::move(values);
    m_stride = stride;
    m_rows = rows;
    m_cols = cols;
    m_count = count < 0 ? 0 : count;
    m_stored = stored;
    m_loaded = true;
    return result;
}

bool RecordSet::Load(const std::string& path, int count)
{
    if (Read(path, count) == ReadResult::Ok)
        return true;
    ShowAccessError(path);
    return false;
}

CdMatrix RecordSet::Record(int k) const
{
    CdMatrix record(m_rows, m_cols);
    if (k >= 1 && k <= m_stored)
        record.SetData(static_cast<int>(m_stride - 1),
                       &m_values[static_cast<std::size_t>(k - 1) * m_stride]);
    return record;
}

} // namespace numerics
