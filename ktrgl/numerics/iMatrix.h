// CiMatrix: the integer twin of CdMatrix (signed 32-bit elements, 1-based,
// spare slot, deep copies, table files with element width 4). Shown by the
// matrix viewer and converted to CdMatrix for drawing and reports.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "numerics/DenseTable.h"
#include "numerics/iVector.h"

class CdMatrix;

class CiMatrix {
public:
    CiMatrix();
    CiMatrix(int rows, int cols);
    CiMatrix(const CiMatrix& other);
    CiMatrix(CiMatrix&& other) noexcept;
    explicit CiMatrix(const CdMatrix& other); // truncation toward zero
    virtual ~CiMatrix();

    CiMatrix& operator=(const CiMatrix& other);
    CiMatrix& operator=(CiMatrix&& other) noexcept;
    CiMatrix& operator=(const CdMatrix& other);

    void Free();
    void SetSize(int rows, int cols); // ignored unless rows >= 0 and cols >= 0
    void Zero();
    void CopyData(const CiMatrix& other);
    void SetData(int n, const int* src);
    void CopyRows(int r1, int r2, const CiMatrix& src);

    int** GetData() { return m_t.rowTable.data(); }
    const int* const* GetData() const { return m_t.rowTable.data(); }
    int GetRows() const { return m_t.rows; }
    int GetCols() const { return m_t.cols; }
    int GetSize() const { return m_t.size; }
    void SetRowsField(int n) { m_t.SetRowsField(n); }
    void SetColsField(int n) { m_t.SetColsField(n); }

    int& operator()(int i, int j)
    {
        return m_t.InRange(i, j) ? m_t.data[m_t.Index(i, j)] : m_t.data[0];
    }
    int operator()(int i, int j) const
    {
        return m_t.InRange(i, j) ? m_t.data[m_t.Index(i, j)] : m_t.data[0];
    }
    int GetAt(int i, int j) const { return (*this)(i, j); } // out of range: the spare slot
    void SetAt(int i, int j, int value)
    {
        if (m_t.InRange(i, j))
            m_t.data[m_t.Index(i, j)] = value;
    }

    CiVector GetRow(int r) const;
    CiVector GetRowPart(int r, int c, int n) const;
    CiVector GetColumn(int c) const;
    CiVector GetColumnVector(int c) const;
    void SetRow(int r, const int* row);
    void SetRow(int r, const int* row, int n);
    void SetRowPart(int r, const int* values, int c, int n);
    void SetColumn(int c, const int* col);
    void SetColumn(int c, const int* col, int n);
    void SetColumnPart(int c, const int* col, int from, int to);
    void SetRow(int r, const CiVector& row);
    void SetColumn(int c, const CiVector& col);

    void InsertRow(int r, const int* row);
    void InsertColumn(int c, const int* col);
    void AppendRow(const int* row);
    void AppendColumn(const int* col);
    void InsertRow(int r, const CiVector& row);
    void InsertColumn(int c, const CiVector& col);
    void AppendRow(const CiVector& row);
    void AppendColumn(const CiVector& col);
    void AppendRows(const CiMatrix& other);
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

    CiMatrix operator+(const CiMatrix& b) const;
    CiMatrix operator-(const CiMatrix& b) const;
    CiMatrix& operator+=(const CiMatrix& b);
    CiMatrix& operator-=(const CiMatrix& b);
    CiMatrix operator+(int k) const;
    CiMatrix operator-(int k) const;
    CiMatrix operator*(int k) const;
    CiMatrix operator/(int k) const; // no test for k == 0 beyond skipping the division
    CiMatrix& operator+=(int k);
    CiMatrix& operator-=(int k);
    CiMatrix& operator*=(int k);
    CiMatrix& operator/=(int k);
    CiMatrix operator*(const CiMatrix& b) const;
    CiMatrix& operator*=(const CiMatrix& b);
    CiVector operator*(const CiVector& v) const;
    bool operator==(const CiMatrix& b) const;
    bool operator!=(const CiMatrix& b) const;
    CiMatrix Transpose() const;

    int ColumnMax(int c) const;
    int ColumnAbsMax(int c) const;
    int ColumnMin(int c) const;
    long long ColumnAbsSum(int c) const;
    long long Norm1() const;

    bool Load(const std::string& name, const std::string& ext);
    bool Save(const std::string& name, const std::string& ext) const;
    bool Load(const std::string& path);
    bool Save(const std::string& path) const;

    bool Report(const std::string& name, const std::string& ext) const;
    bool ExportText(const std::string& name) const;
    void Print() const;
    void Display(int from, int to) const;
    void Display() const;
    void DisplayElement(int i, int j) const;
    std::string ToString() const;

private:
    numerics::DenseTable<std::int32_t> m_t;
};
