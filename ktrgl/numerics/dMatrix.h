// CdMatrix: the general table of reals. Every numeric table of the model and
// of the results lives in one while it is shown, edited or drawn. Rows and
// columns are 1-based; the spare slot (index 0 of the data block) absorbs
// every out-of-range reference and is stored in the table files with the
// elements. Copies are deep. The small Gaussian solver (Upper, Lower, Solve,
// Inverse, Determinant) works without pivoting.
#pragma once
#include <string>
#include <vector>

#include "numerics/DenseTable.h"
#include "numerics/dVector.h"

class CiMatrix;

class CdMatrix {
public:
    // Construction and storage
    CdMatrix();
    CdMatrix(int rows, int cols);
    CdMatrix(const CdMatrix& other);
    CdMatrix(CdMatrix&& other) noexcept;
    virtual ~CdMatrix();
    virtual void Free(); // size != 0: shape 0x0 and storage released

    CdMatrix& operator=(const CdMatrix& other);
    CdMatrix& operator=(CdMatrix&& other) noexcept;
    CdMatrix& operator=(const CiMatrix& other);

    void SetSize(int rows, int cols); // contents discarded, all 0.0
    void Zero();                      // every element and the spare slot 0.0
    void CopyData(const CdMatrix& other);       // whole block, shape kept
    void SetData(int n, const double* src);     // src[0..n] from the spare slot on
    void CopyRows(int r1, int r2, const CdMatrix& src);

    // Row table: GetData()[i][j] is a(i,j); entry 0 points at the spare slot.
    double** GetData() { return m_t.rowTable.data(); }
    const double* const* GetData() const { return m_t.rowTable.data(); }
    int GetRows() const { return m_t.rows; }
    int GetCols() const { return m_t.cols; }
    int GetSize() const { return m_t.size; }
    void SetRowsField(int n) { m_t.SetRowsField(n); }
    void SetColsField(int n) { m_t.SetColsField(n); }

    // Element access
    double& operator()(int i, int j)
    {
        return m_t.InRange(i, j) ? m_t.data[m_t.Index(i, j)] : m_t.data[0];
    }
    double operator()(int i, int j) const
    {
        return m_t.InRange(i, j) ? m_t.data[m_t.Index(i, j)] : m_t.data[0];
    }
    double GetAt(int i, int j) const
    {
        return m_t.InRange(i, j) ? m_t.data[m_t.Index(i, j)] : 0.0;
    }
    void SetAt(int i, int j, double value)
    {
        if (m_t.InRange(i, j))
            m_t.data[m_t.Index(i, j)] = value;
    }

    // Rows and columns. Copies come back as 1-based CdVectors (v(j) = a(r,j));
    // arrays passed in are read from index 1. A vector shorter than the row or
    // column counts as padded with zeros.
    CdVector GetRow(int r) const;
    CdVector GetRowPart(int r, int c, int n) const; // GetData()[0] = a(r,c), [k] = k-th after it
    CdVector GetColumn(int c) const;
    CdVector GetColumnVector(int c) const;
    void SetRow(int r, const double* row);
    void SetRow(int r, const double* row, int n);
    void SetRowPart(int r, const double* values, int c, int n);
    void SetColumn(int c, const double* col);
    void SetColumn(int c, const double* col, int n);
    void SetColumnPart(int c, const double* col, int from, int to);
    void SetRow(int r, const CdVector& row);
    void SetColumn(int c, const CdVector& col);

    void InsertRow(int r, const double* row);
    void InsertColumn(int c, const double* col);
    void AppendRow(const double* row);
    void AppendColumn(const double* col);
    void InsertRow(int r, const CdVector& row);
    void InsertColumn(int c, const CdVector& col);
    void AppendRow(const CdVector& row);
    void AppendColumn(const CdVector& col);
    void AppendRows(const CdMatrix& other);
    void DeleteRow(int r);
    void DeleteColumn(int c);
    void DeleteRowColumn(int k);
    void SwapRows(int r1, int r2);
    void SwapColumns(int c1, int c2);
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    void MoveRowAndDelete(int from, int to);
    void MoveColumnAndDelete(int from, int to);
    void ShiftRow(int from, int to);
    void ShiftColumn(int from, int to);
    void SortByColumn(int c);

    // Arithmetic (element-wise operations run over this matrix's shape)
    CdMatrix operator+(const CdMatrix& b) const;
    CdMatrix operator-(const CdMatrix& b) const;
    CdMatrix& operator+=(const CdMatrix& b);
    CdMatrix& operator-=(const CdMatrix& b);
    CdMatrix operator+(double s) const;
    CdMatrix operator-(double s) const;
    CdMatrix operator*(double s) const;
    CdMatrix operator/(double s) const;
    CdMatrix& operator+=(double s);
    CdMatrix& operator-=(double s);
    CdMatrix& operator*=(double s);
    CdMatrix& operator/=(double s);
    CdMatrix operator*(const CdMatrix& b) const;
    CdMatrix& operator*=(const CdMatrix& b);
    CdVector operator*(const CdVector& v) const;
    CdMatrix operator/(const CdMatrix& b) const; // Inverse of b, times this
    CdMatrix& operator/=(const CdMatrix& b);
    bool operator==(const CdMatrix& b) const;
    bool operator!=(const CdMatrix& b) const;
    CdMatrix Transpose() const;

    // Linear solution (Gaussian elimination without pivoting)
    CdMatrix Upper() const;
    CdMatrix Lower() const;
    CdVector SolveLower(CdVector b) const;
    CdVector SolveUpper(CdVector b) const;
    CdVector Solve(CdVector b) const;
    CdMatrix Inverse() const;
    double Determinant() const;

    // Column statistics (scales of load and force drawings)
    double ColumnMax(int c) const;
    double ColumnAbsMax(int c) const;
    double ColumnMin(int c) const;
    double ColumnAbsSum(int c) const;
    double Norm1() const;

    // Clean-up of tiny values: |x| <= 10^-n becomes 0.0
    void Chop(int n);

    // Binary table files. (name, ext) is the project folder + name + "." + ext.
    bool Load(const std::string& name, const std::string& ext);
    bool Save(const std::string& name, const std::string& ext) const;
    bool Load(const std::string& path);
    bool Save(const std::string& path) const;
    // Record files: many matrices of one shape, record k (1-based).
    bool LoadRecord(int k, const std::string& path);
    bool SaveRecord(int k, const std::string& path) const;

    // Text output
    bool Report(const std::string& name, const std::string& ext) const;
    bool ExportText(const std::string& name) const;
    void Print() const; // "matrix.txt" in the project folder, opened in the text viewer
    void Display(int from, int to) const;    // square block to standard output
    void Display(double tolerance = 0.0) const; // whole matrix, |x| < tolerance shown as 0
    void DisplayElement(int i, int j) const; // one element
    std::string ToString() const;

private:
    numerics::DenseTable<double> m_t;
};

// Returns replacement when |x| <= 10^-n, otherwise x.
double Chop(double x, int n, double replacement = 0.0);
