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

std::string MatrixBytes(const std::string& path, int rows, int cols)
{
    CdMatrix m(rows, cols);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m(i, j) = i * 10.0 + j / 4.0;
    m.Save(path);
    return TempDir::Read(path);
}

std::string IntMatrixBytes(const std::string& path, int rows, int cols)
{
    CiMatrix m(rows, cols);
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
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                m(i, j) = k + i * 0.1 + j * 0.01;
        m.SaveRecord(k, path);
    }
    return TempDir::Read(path);
}

// Every element once, so that a block shorter than its shape is a report.
template <class M>
double SumMatrix(const M& m)
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
    {
        CdVector v(5);
        for (int i = 1; i <= 5; ++i)
            v(i) = i * 1.5;
        v.Save("V", "vec");
        CiVector w(4);
        for (int i = 1; i <= 4; ++i)
            w(i) = -i;
        w.Save("W", "vec");
    }
    fuzz::Mutator mutator({MatrixBytes(path, 3, 4), MatrixBytes(path, 1, 9), MatrixBytes(path, 0, 0),
                           IntMatrixBytes(path, 2, 8), RecordBytes(path, 3, 2, 3),
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
            if (cells > 0) {
                EXPECT_GE(static_cast<std::int64_t>(bytes.size()), 8 + 8 * (cells + 1));
            }
            sink += SumMatrix(d);
        }
        CiMatrix n(2, 2);
        if (n.Load(path))
            sink += SumMatrix(n);
        CdVector v;
        if (v.Load("V", "vec"))
            sink += SumVector(v);
        CiVector w;
        if (w.Load("V", "vec"))
            sink += SumVector(w);
        for (int k = 1; k <= 3; ++k) {
            CdMatrix r;
            if (r.LoadRecord(k, path))
                sink += SumMatrix(r);
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
