#include "auxiliary/ProgressBar.h"

#include <cmath>

namespace {

int Hundredths(float value) { return static_cast<int>(std::lround(static_cast<double>(value) * 100.0)); }

} // namespace

CProgressBar::CProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(true);
    setFormat(QStringLiteral("%p%"));
    Show();
}

CProgressBar::~CProgressBar() = default;

void CProgressBar::SetValue(float value)
{
    if (value < m_min)
        value = m_min;
    else if (value > m_max)
        value = m_max;
    m_value = value;   // NaN passes both comparisons and is kept
    Show();
}

void CProgressBar::SetMin(float value)
{
    m_min = value;
    if (m_max < m_min)
        m_max = m_min;
    SetValue(m_value);
}

void CProgressBar::SetMax(float value)
{
    m_max = value;
    if (m_min > m_max)
        m_min = m_max;
    SetValue(m_value);
}

void CProgressBar::Show()
{
    setRange(Hundredths(m_min), Hundredths(m_max));
    setValue(std::isnan(m_value) ? Hundredths(m_min) : Hundredths(m_value));
}
