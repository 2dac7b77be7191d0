// The small progress monitor: one line of text and one progress bar in a
// modeless window that the caller moves forward with UpdateStep while it
// keeps the user-interface thread busy. The window exists from ShowMonitor
// to HideMonitor; it can be shown again afterwards.
#pragma once
#include <QPointer>
#include <QString>

class CProgressBar;
class QDialog;
class QLabel;
class QWidget;

class CMinimonitor {
public:
    enum ControlId { IdLabel = 1002, IdBar = 1006 };

    explicit CMinimonitor(QWidget* parent = nullptr);
    virtual ~CMinimonitor();
    CMinimonitor(const CMinimonitor&) = delete;
    CMinimonitor& operator=(const CMinimonitor&) = delete;

    // Creates and shows the window; scale = 100 / (maximum - minimum).
    void ShowMonitor(QWidget* parent, const QString& title, double minimum, double maximum);
    // Bar = (float)(value * scale); the line shows title + ":progress done
    // %.2f" of the bar's own value + "%"; repainted at once.
    void UpdateStep(double value);
    // Hides and releases the window.
    void HideMonitor();

    QDialog* Window() const { return m_window; }
    QLabel* Label() const { return m_label; }
    CProgressBar* Bar() const { return m_bar; }
    const QString& LabelText() const { return m_labelText; }
    const QString& StepText() const { return m_stepText; }
    const QString& Title() const { return m_title; }
    double Scale() const { return m_scale; }
    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }

private:
    QWidget* m_parent;
    QPointer<QDialog> m_window;
    QLabel* m_label = nullptr;
    CProgressBar* m_bar = nullptr;
    QString m_labelText;
    QString m_stepText;
    QString m_title;
    double m_scale = 0.0;
    double m_minimum = 0.0;
    double m_maximum = 0.0;
};
