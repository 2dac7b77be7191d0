// CdVector: the vector of reals used for points, directions, table columns
// and the right-hand sides of the triangular solves. Elements are 1-based;
// index 0 is the spare slot that absorbs every out-of-range reference.
// Copies are deep; a vector of length 0 still owns its one-slot block.
#pragma once
#include <string>
#include <type_traits>
#include <vector>

class CdMatrix;

class CdVector {
public:
    CdVector();
    explicit CdVector(int n);
    CdVector(const CdVector& other);
    CdVector(CdVector&& other) noexcept;
    // Length n; src[0..n] copied (spare slot included) when n >= 1.
    CdVector(int n, const double* src);
    // Length n; other's block copied from index 0 on, n + 1 values (values
    // beyond other's block read as 0.0).
    CdVector(int n, const CdVector& other);
    // Length n; v(1) = first, v(2..n) = the following values (missing ones 0.0).
    template <class... Rest,
              class = std::enable_if_t<(std::is_arithmetic<Rest>::value && ...)>>
    CdVector(int n, double first, Rest... rest) : CdVector(n)
    {
        const double values[] = {first, static_cast<double>(rest)...};
        const int given = static_cast<int>(sizeof(values) / sizeof(values[0]));
        for (int i = 1; i <= n && i <= given; ++i)
            m_data[i] = values[i - 1];
    }
    virtual ~CdVector();

    CdVector& operator=(const CdVector& other);
    CdVector& operator=(CdVector&& other) noexcept;
    void Assign(const CdVector& other);

    // Storage
    void SetSize(int n);               // n < 0 ignored; fresh zero block
    void Free();                       // n != 0: n = 0, block released
    void Clear();                      // fresh one-slot block, n = 0
    void Zero();                       // every element and the spare slot 0.0
    void SetData(int n, const double* src); // src[0..n]; n < 1: message
    void SetData(const double* src);        // v(1..n) = src[1..n]
    double* GetData() { return m_data.data(); }
    const double* GetData() const { return m_data.data(); }
    int GetSize() const { return m_n; }

    // Element access
    double& operator()(int i) { return (i >= 1 && i <= m_n) ? m_data[i] : m_data[0]; }
    double operator()(int i) const { return (i >= 1 && i <= m_n) ? m_data[i] : m_data[0]; }
    double GetAt(int i) const { return (*this)(i); }
    void SetAt(int i, double value) { (*this)(i) = value; }
    double GetFirst() const { return (*this)(1); }
    double GetLast() const { return (*this)(m_n); }

    // Editing
    void InsertAt(int i, double value);
    void InsertAt(int i, const CdVector& other);
    void Prepend(double value);
    void Append(double value);
    void Append(const CdVector& other);
    CdVector& operator<<(const CdVector& other); // Append (other)
    void Prepend(const CdVector& other);
    void DeleteAt(int i);
    void DeleteRange(int from, int to);
    void DeleteFirst(int k);
    void DeleteLast(int k);
    void ZeroRange(int from, int to);
    void SwapAt(int i, int j);
    void SortAscending();
    void SortDescending();

    // Arithmetic
    CdVector operator+(double s) const;
    CdVector operator-(double s) const;
    CdVector operator*(double s) const;
    CdVector operator/(double s) const;
    CdVector operator+(const CdVector& w) const;
    CdVector operator-(const CdVector& w) const;
    CdVector& operator+=(const CdVector& w);
    CdVector& operator-=(const CdVector& w);
    CdVector& operator+=(double s);
    CdVector& operator-=(double s);
    CdVector& operator*=(double s);
    CdVector& operator/=(double s);
    CdVector operator*(const CdMatrix& m) const; // row vector times matrix
    CdVector Cross(const CdVector& w) const;
    double Dot(const CdVector& w) const;
    double Norm() const;
    double Sum() const;
    void Normalize();
    CdVector GetUnitVector() const;

    // Comparison: elements within 1e-4; the ordering operators compare lengths.
    bool operator==(const CdVector& w) const;
    bool operator!=(const CdVector& w) const;
    bool operator<(const CdVector& w) const { return m_n < w.m_n; }
    bool operator<=(const CdVector& w) const { return m_n <= w.m_n; }
    bool operator>(const CdVector& w) const { return m_n > w.m_n; }
    bool operator>=(const CdVector& w) const { return m_n >= w.m_n; }

    // Files in the project folder (table format with a single count header)
    bool Load(const std::string& name, const std::string& ext);
    bool Save(const std::string& name, const std::string& ext) const;
    bool Report(const std::string& name, const std::string& ext) const;
    bool ExportText(const std::string& name) const;
    void Print() const;
    // The printout body: each element as "%.3g\t" on a line, then an empty line.
    std::string ToString() const;

private:
    std::vector<double> m_data; // n + 1 values, [0] = spare slot
    int m_n = 0;
};

// Length of the segment between two points (elements 1..3).
double Distance(CdVector a, CdVector b);
// Local axes of a member from a to b with reference point c: rows 1..3 of the
// result are the local x, y and z axes in global components.
CdMatrix MemberAxes(CdVector a, CdVector b, CdVector c);
