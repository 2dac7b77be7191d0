// The offset dialog (resource 12002): three numbers dx, dy, dz added to the
// pasted or moved rows of the node and member tables. The fields show and
// take the project's length unit (named beside them); m_dx, m_dy, m_dz are
// stored units (metres), as the tables keep them. The caller builds it,
// runs DoModal and reads m_dx, m_dy, m_dz after OK.
#pragma once
#include <QDialog>

class QLineEdit;

class CCopyNodeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCopyNodeDlg(QWidget* parent = nullptr);
    ~CCopyNodeDlg() override;

    // IDOK (1) after OK with the fields read into m_dx, m_dy, m_dz;
    // IDCANCEL (2) otherwise.
    int DoModal();

    // Field of control 12003, 12004 or 12005 (X, Y, Z); nullptr otherwise.
    QLineEdit* Field(int controlId) const;
    // The fields written from / read into m_dx, m_dy, m_dz.
    void UpdateData(bool save);

    // Asks for an offset; true and the values on OK.
    static bool AskOffset(QWidget* parent, double& dx, double& dy, double& dz);

    double m_dx = 0.0;
    double m_dy = 0.0;
    double m_dz = 0.0;

    void accept() override;

private:
    QLineEdit* m_fields[3];
};
