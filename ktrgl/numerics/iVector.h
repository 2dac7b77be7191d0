// CiVector: the integer twin of CdVector (signed 32-bit elements, 1-based,
// spare slot at index 0, deep copies, table files with element width 4).
#pragma once
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

class CiVector {
public:
    CiVector();
    explicit CiVector(int n);
    CiVector(const CiVector& other);
    CiVector(CiVector&& other) noexcept;
    CiVector(int n, const int* src);          // src[0..n] when n >= 1
    CiVector(int n, const CiVector& other);   // other's block from index 0, n + 1 values
    // Length n; v(1) = first, v(2..n) = the following values (missing ones 0).
    template <class... Rest,
              class = std::enable_if_t<(std::is_integral<Rest>::value && ...)>>
    CiVector(int n, int first, Rest... rest) : CiVector(n)
    {
        const int values[] = {first, static_cast<int>(rest)...};
        const int given = static_cast<int>(sizeof(values) / sizeof(values[0]));
        for (int i = 1; i <= n && i <= given; ++i)
            m_data[i] = values[i - 1];
    }
    virtual ~CiVector();

    CiVector& operator=(const CiVector& other);
    CiVector& operator=(CiVector&& other) noexcept;
    void Assign(const CiVector& other);

    void SetSize(int n);
    void Free();
    void Clear();
    void Zero();
    void Fill(int value);
    void SetData(int n, const int* src); // n < 1: diagnostic on standard output
    void SetData(const int* src);        // v(1..n) = src[1..n]
    int* GetData() { return m_data.data(); }
    const int* GetData() const { return m_data.data(); }
    int GetSize() const { return m_n; }

    int& operator()(int i) { return (i >= 1 && i <= m_n) ? m_data[i] : m_data[0]; }
    int operator()(int i) const { return (i >= 1 && i <= m_n) ? m_data[i] : m_data[0]; }
    int GetAt(int i) const { return (*this)(i); }
    void SetAt(int i, int value) { (*this)(i) = value; }
    int GetFirst() const { return (*this)(1); }
    int GetLast() const { return (*this)(m_n); }

    void InsertAt(int i, int value);
    void InsertAt(int i, const CiVector& other);
    void Prepend(int value);
    void Append(int value);
    void Append(const CiVector& other);
    CiVector& operator<<(const CiVector& other);
    void Prepend(const CiVector& other);
    void DeleteAt(int i);
    void DeleteRange(int from, int to);
    void DeleteFirst(int k);
    void DeleteLast(int k);
    void ZeroRange(int from, int to);
    void SwapAt(int i, int j);
    void SortAscending();
    void SortDescending();

    CiVector operator+(int k) const;
    CiVector operator-(int k) const;
    CiVector operator*(int k) const;
    CiVector operator/(int k) const; // k == 0: unchanged copy
    CiVector operator+(const CiVector& w) const; // lengths differ: unchanged copy
    CiVector operator-(const CiVector& w) const;
    CiVector& operator+=(const CiVector& w);
    CiVector& operator-=(const CiVector& w);
    CiVector& operator+=(int k);
    CiVector& operator-=(int k);
    CiVector& operator*=(int k);
    CiVector& operator/=(int k);
    CiVector Cross(const CiVector& w) const;
    long long Dot(const CiVector& w) const;
    double Norm() const;
    long long Sum() const;

    bool operator==(const CiVector& w) const; // exact
    bool operator!=(const CiVector& w) const;
    bool operator<(const CiVector& w) const { return m_n < w.m_n; }
    bool operator<=(const CiVector& w) const { return m_n <= w.m_n; }
    bool operator>(const CiVector& w) const { return m_n > w.m_n; }
    bool operator>=(const CiVector& w) const { return m_n >= w.m_n; }

    bool Load(const std::string& name, const std::string& ext);
    bool Save(const std::string& name, const std::string& ext) const;
    bool Report(const std::string& name, const std::string& ext) const;
    bool ExportText(const std::string& name) const;
    void Print() const;
    void Display() const; // "element[i] = value" lines on standard output
    std::string ToString() const;

private:
    std::vector<std::int32_t> m_data;
    int m_n = 0;
};
