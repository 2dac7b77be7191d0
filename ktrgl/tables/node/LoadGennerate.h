// The load generation dialog (resource 12045): one nodal load (Fx, Fy, Fz
// and, for "Frame3D", Mx, My, Mz, labelled with the project's force and
// moment units), the first node, the load ratio, the number of nodes and
// the node step. "GEN" accepts, "CANCEL" cancels. The load bar applies the
// answers (LoadCaseWorker::Generate).
#pragma once
#include <QDialog>

#include "tables/node/LoadCaseWorker.h"

class QLabel;
class QLineEdit;
class QPushButton;

class CLoadGennerate : public QDialog {
    Q_OBJECT
public:
    explicit CLoadGennerate(QWidget* parent = nullptr);
    ~CLoadGennerate() override;

    // IDOK (1) after GEN with the fields read; IDCANCEL (2) otherwise.
    int DoModal();

    // Fields <-> members (MFC-style data exchange).
    void UpdateData(bool save);
    void Seed(const LoadCaseWorker::LoadGeneration& generation);
    LoadCaseWorker::LoadGeneration Parameters() const;

    // The control with a dialog id, or nullptr.
    QWidget* Control(int controlId) const;

    double m_fx = 0.0;
    double m_fy = 0.0;
    double m_fz = 0.0;
    double m_mx = 0.0;
    double m_my = 0.0;
    double m_mz = 0.0;
    int m_start = 0;
    double m_ratio = 0.0;
    int m_count = 0;
    int m_step = 0;

    void accept() override;

private:
    QLineEdit* AddEdit(int controlId, bool decimal);

    QLineEdit* m_values[6] = {};
    QLineEdit* m_startEdit = nullptr;
    QLineEdit* m_ratioEdit = nullptr;
    QLineEdit* m_countEdit = nullptr;
    QLineEdit* m_stepEdit = nullptr;
    QLineEdit* m_commandEdit = nullptr;
    QPushButton* m_gen = nullptr;
    QPushButton* m_cancel = nullptr;
};
