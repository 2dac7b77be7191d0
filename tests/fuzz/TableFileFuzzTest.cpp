// The binary table and record files: whatever bytes a table file holds, the
// four table classes and the record readers either load a shape the file
// really holds or refuse it, without reading or writing outside their blocks
// and without allocating more than the file can fill.
#include "fuzz/FuzzRunner.h"
#include "numerics/RecordSet.h"
#include "numerics/dMatrix.h"
#include "numerics/dVector.h"
#include "numerics/iMatrix.h"
#include "numerics/iVector.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

#include <cstdint>

using testsupport::TempDir;

namespace {

template <class M>
std::string MatrixBytes(const std::string& path, int rows, int cols)
{
    M m(rows, cols);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m(i, j) = i * 100 + j;
    m.Save(path);
    return TempDir::Read(path);
}

std::string RecordBytes(const std::string& path, int records, int rows, int cols)
{
    CdMatrix m(rows, cols);
    for (int k = 1; k <= records; ++k) {
        m(1, 1) = k + 0.25;
        m.SaveRecord(k, path);
    }
    return TempDir::Read(path);
}

// Every element once, so that a block shorter than its shape is a report.
template <class M>
double Sum(const M& m)
{
    double sum = 0;
    for (int i = 1; i <= m.GetRows(); ++i)
        for (int j = 1; j <= m.GetCols(); ++j)
            sum += m(i, j);
    return sum;
}

template <class V>
double SumVector(const V& v)
{
    double sum = 0;
    for (int i = 1; i <= v.GetSize(); ++i)
        sum += v(i);
    return sum;
}

} // namespace

TEST(TableFileFuzz, TablesAndRecordsSurviveAnyBytes)
{
    TempDir dir;
    platform::MessageRecorder boxes;
    ASSERT_TRUE(platform::Profile::WriteString("KESTRA ", "File location ", dir.Folder()));
    const std::string path = dir.File("T.tab");
    CdVector(5, 1.5, -2.0).Save("V", "vec");
    CiVector(4, 3, -9).Save("W", "vec");
    fuzz::Mutator mutator({MatrixBytes<CdMatrix>(path, 3, 4), MatrixBytes<CdMatrix>(path, 1, 9),
                           MatrixBytes<CdMatrix>(path, 0, 0), MatrixBytes<CiMatrix>(path, 2, 8), RecordBytes(path, 3, 2, 3),
                           RecordBytes(path, 1, 12, 1), TempDir::Read(dir.File("V.vec")),
                           TempDir::Read(dir.File("W.vec"))});
    const std::string vectorPath = dir.File("V.vec");

    fuzz::Runner runner("TableFileFuzz");
    volatile double sink = 0; // the sums are only there to be read
    runner.Run(mutator, [&](const std::string& bytes) {
        TempDir::Write(path, bytes);
        TempDir::Write(vectorPath, bytes);

        CdMatrix d(2, 2);
        if (d.Load(path)) {
            // A loaded table holds exactly what its header names.
            const std::int64_t cells = static_cast<std::int64_t>(d.GetRows()) * d.GetCols();
            EXPECT_TRUE(cells <= 0 || static_cast<std::int64_t>(bytes.size()) >= 8 + 8 * (cells + 1))
                << cells;
            sink += Sum(d);
        }
        CiMatrix n(2, 2);
        if (n.Load(path))
            sink += Sum(n);
        CdVector v;
        if (v.Load("V", "vec"))
            sink += SumVector(v);
        CiVector w;
        if (w.Load("V", "vec"))
            sink += SumVector(w);
        for (int k = 1; k <= 3; ++k) {
            CdMatrix r;
            if (r.LoadRecord(k, path))
                sink += Sum(r);
        }
        numerics::RecordSet set;
        if (set.Read(path, 4) == numerics::ReadResult::Ok)
            for (int k = 0; k <= 5; ++k)
                for (int i = 0; i <= set.GetRows() + 1; ++i)
                    for (int j = 0; j <= set.GetCols() + 1; ++j)
                        sink += set(k, i, j);
        boxes.Clear();
    });
}
