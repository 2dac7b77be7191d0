// The progress bar of the monitors: a QProgressBar whose value is a
// percentage given as a single-precision float. The value is clamped to the
// bar's range (0 to 100 unless changed) and read back as stored, so a
// caller that asks for 130 reads 100; a NaN is kept as NaN and drawn as an
// empty bar. The bar draws hundredths of a percent.
#pragma once
#include <QProgressBar>

class CProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit CProgressBar(QWidget* parent = nullptr);
    ~CProgressBar() override;

    float GetValue() const { return m_value; }
    void SetValue(float value);
    float GetMin() const { return m_min; }
    void SetMin(float value);
    float GetMax() const { return m_max; }
    void SetMax(float value);

private:
    void Show();

    float m_value = 0.0f;
    float m_min = 0.0f;
    float m_max = 100.0f;
};
