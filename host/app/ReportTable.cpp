#include "ReportTable.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kSignificant = 4;

} // namespace

void ReportTable::AddColumn(const std::string& name, const std::string& unit, Kind kind)
{
    m_columns.push_back(Column{name, unit, kind, 0});
}

void ReportTable::NewRow()
{
    ++m_rows;
}

void ReportTable::AddNumber(double value)
{
    Column& c = m_columns[m_values.size() % m_columns.size()];
    if (std::isfinite(value))
        c.largest = std::max(c.largest, std::fabs(value));
    m_values.push_back(Value{value, -1});
}

void ReportTable::AddInteger(long long value)
{
    m_values.push_back(Value{double(value), -1});
}

void ReportTable::AddText(const std::string& text)
{
    m_texts.push_back(text);
    m_values.push_back(Value{0, int(m_texts.size()) - 1});
}

void ReportTable::ChopNoise(double relative)
{
    double largest = 0;
    for (const Column& c : m_columns)
        if (c.kind == Kind::Number)
            largest = std::max(largest, c.largest);
    const double noise = relative * largest;
    const std::size_t columns = m_columns.size();
    for (Column& c : m_columns)
        c.largest = 0;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        Value& v = m_values[i];
        Column& c = m_columns[i % columns];
        if (v.text >= 0 || c.kind != Kind::Number)
            continue;
        if (std::fabs(v.number) < noise)
            v.number = 0;
        if (std::isfinite(v.number))
            c.largest = std::max(c.largest, std::fabs(v.number));
    }
}

std::string ReportTable::Heading(int column) const
{
    const Column& c = m_columns[column];
    return c.unit.empty() ? c.name : c.name + " (" + c.unit + ")";
}

std::string ReportTable::FormatNumber(double value, double columnMax)
{
    char text[64];
    if (!std::isfinite(value))
        return std::isnan(value) ? "-" : (value > 0 ? "inf" : "-inf");
    if (columnMax >= 1e9 || (columnMax > 0 && columnMax < 1e-4)) {
        if (value == 0)
            return "0";
        std::snprintf(text, sizeof text, "%.*e", kSignificant - 1, value);
        return text;
    }
    int decimals = kSignificant - 1;
    if (columnMax > 0)
        decimals = kSignificant - 1 - int(std::floor(std::log10(columnMax)));
    decimals = std::max(0, std::min(decimals, 7));
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    // A value that rounds to zero prints without its sign.
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string ReportTable::Cell(int row, int column) const
{
    const Value& v = At(row, column);
    if (v.text >= 0)
        return m_texts[std::size_t(v.text)];
    const Column& c = m_columns[column];
    if (c.kind == Kind::Integer)
        return std::to_string((long long)v.number);
    return FormatNumber(v.number, c.largest);
}

std::string ReportTable::Widest(int column) const
{
    std::string widest;
    const Column& c = m_columns[column];
    if (c.kind == Kind::Number) {
        // The widest number is the largest magnitude, negative when the
        // column has negative values; a text cell may still be wider.
        bool negative = false;
        for (int r = 0; r < m_rows; ++r)
            negative = negative || (At(r, column).text < 0 && At(r, column).number < 0);
        widest = FormatNumber(negative ? -c.largest : c.largest, c.largest);
        if (c.largest == 0)
            widest = FormatNumber(negative ? -1 : 1, 1);
    }
    for (int r = 0; r < m_rows; ++r) {
        const Value& v = At(r, column);
        if (v.text >= 0 || c.kind != Kind::Number) {
            const std::string s = Cell(r, column);
            if (s.size() > widest.size())
                widest = s;
        }
    }
    return widest;
}
