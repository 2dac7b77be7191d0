// The options of File > Export report...: the load cases (and whether the
// load combinations go in), the sections, the paper, the picture size and
// the PDF file. Ask, then act: the window runs the dialog and hands
// options() and path() to ReportWriter.
#pragma once
#include <QDialog>

#include "ReportOptions.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    // loadCases and combinations: the project's counts; path: the default
    // file.
    ReportDialog(int loadCases, int combinations, const QString& path, QWidget* parent = nullptr);

    ReportOptions options() const;
    QString path() const;

private:
    void Browse();
    void Check();

    QListWidget* m_cases = nullptr;
    QCheckBox* m_combinations = nullptr;
    QCheckBox* m_sections[6] = {};
    QComboBox* m_paper = nullptr;
    QDoubleSpinBox* m_width = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QLineEdit* m_path = nullptr;
};
