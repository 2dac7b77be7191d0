// The large progress monitor: "Component Progress" and "All Progress", each
// a line of text above a progress bar, in a modeless window that exists
// from construction to destruction. The owner sets the strings and bar
// values directly and calls UpdateData(false) to show the strings.
#pragma once
#include <QDialog>
#include <QString>

class CProgressBar;
class QLabel;

class CMonitor : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IdComponentText = 1000, IdAllText = 1002, IdComponentBar = 1005, IdAllBar = 1006 };

    explicit CMonitor(QWidget* parent = nullptr);
    ~CMonitor() override;

    // save false: m_text1 -> control 1002, m_text2 -> control 1000;
    // save true: the reverse.
    void UpdateData(bool save);

    QLabel* m_static1 = nullptr;      // control 1000 (component line)
    QLabel* m_static2 = nullptr;      // control 1002 (all line)
    QString m_text1;                  // bound to control 1002
    QString m_text2;                  // bound to control 1000
    CProgressBar* m_bar1 = nullptr;   // control 1005 (component)
    CProgressBar* m_bar2 = nullptr;   // control 1006 (all)
};
