// One table of the calculation report: columns with a heading and a unit,
// rows of numbers or words. Numbers are right-aligned and printed with the
// same number of decimals down a column, chosen so that the column's
// largest magnitude shows four significant digits; very large or very
// small columns switch to exponent notation as a whole.
#pragma once
#include <string>
#include <vector>

class ReportTable {
public:
    // Figure: numbers given as text (each row its own unit), right-aligned.
    enum class Kind { Text, Integer, Number, Figure };

    // Unit: "" for none; the heading then shows "name (unit)".
    void AddColumn(const std::string& name, const std::string& unit, Kind kind);
    // Starts a new row; then Add* once per column, left to right.
    void NewRow();
    void AddNumber(double value);
    void AddInteger(long long value);
    void AddText(const std::string& text);

    // Round-off of a solution is not a value: numbers smaller than
    // `relative` times the table's largest number become 0.
    void ChopNoise(double relative = 1e-10);

    int Columns() const { return int(m_columns.size()); }
    int Rows() const { return m_rows; }
    std::string Heading(int column) const;
    bool RightAligned(int column) const { return m_columns[column].kind != Kind::Text; }
    // The printed text of a cell.
    std::string Cell(int row, int column) const;
    // The longest printed text of a column (for its width), heading excluded.
    std::string Widest(int column) const;

    // Printed text of one value with the decimals of a column whose largest
    // magnitude is `columnMax` (4 significant digits there).
    static std::string FormatNumber(double value, double columnMax);

private:
    struct Column {
        std::string name, unit;
        Kind kind;
        double largest = 0; // largest magnitude of the column's numbers
    };
    struct Value {
        double number = 0;
        int text = -1; // index into m_texts, -1 for a number
    };
    const Value& At(int row, int column) const { return m_values[std::size_t(row) * m_columns.size() + column]; }

    std::vector<Column> m_columns;
    std::vector<Value> m_values;
    std::vector<std::string> m_texts;
    int m_rows = 0;
};
