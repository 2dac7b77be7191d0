// The linear node generation dialog (resource 12013): the start node (the
// grid's current row, not editable), the increments along X, Y, Z, the
// number of nodes to generate, the ratio that scales every step, and the
// restraint boxes of the new nodes. "GEN" accepts, "CANCEL" cancels.
#pragma once
#include <QDialog>

#include "tables/node/NodeTableWorker.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class CLinearJointGenerate : public QDialog {
    Q_OBJECT
public:
    explicit CLinearJointGenerate(QWidget* parent = nullptr);
    ~CLinearJointGenerate() override;

    // IDOK (1) after GEN with the fields read; IDCANCEL (2) otherwise.
    int DoModal();

    // Fields <-> members (MFC-style data exchange).
    void UpdateData(bool save);
    // Members from / to the generation parameters.
    void Seed(const NodeTableWorker::LinearGeneration& generation);
    NodeTableWorker::LinearGeneration Parameters() const;

    // The control with a dialog id (edits, check boxes, buttons), or nullptr.
    QWidget* Control(int controlId) const;

    int m_start = 0;
    double m_dx = 0.0;
    double m_dy = 0.0;
    double m_dz = 0.0;
    int m_count = 0;
    double m_ratio = 1.0;
    bool m_restrained[6] = {false, false, false, false, false, false};

    void accept() override;

private:
    QLineEdit* AddEdit(int controlId, const char* toolTip);

    QLineEdit* m_startEdit = nullptr;
    QLineEdit* m_dxEdit = nullptr;
    QLineEdit* m_dyEdit = nullptr;
    QLineEdit* m_dzEdit = nullptr;
    QLineEdit* m_countEdit = nullptr;
    QLineEdit* m_ratioEdit = nullptr;
    QLineEdit* m_commandEdit = nullptr;
    QCheckBox* m_boxes[6] = {};
    QPushButton* m_gen = nullptr;
    QPushButton* m_cancel = nullptr;
};
