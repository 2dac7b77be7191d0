// The "Generate self weight" dialog: the weight per unit volume in the
// project's units (78.5 kN/m^3, steel, to start with), the axis the weight
// acts along (global Y unless the user picks another) and whether it acts
// in the axis' negative sense (downward in a Y-up model). The member load
// table applies the answers (MemberLoadTable::GenerateSelfWeight).
#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

class CSelfWeightDlg : public QDialog {
    Q_OBJECT
public:
    // shownWeight: the starting weight per volume in display units.
    CSelfWeightDlg(double shownWeight, const QString& unit, QWidget* parent = nullptr);
    ~CSelfWeightDlg() override;

    // IDOK (1) when accepted with a number typed; IDCANCEL (2) otherwise.
    int DoModal();
    // The weight with its sign (negative when the negative sense is ticked).
    double Weight() const;
    // 1 .. 6: local 1, 2, 3, global X, Y, Z.
    int Direction() const;

    QLineEdit* WeightEdit() const { return m_weight; }
    QComboBox* DirectionList() const { return m_direction; }
    QCheckBox* NegativeBox() const { return m_negative; }

private:
    QLineEdit* m_weight = nullptr;
    QComboBox* m_direction = nullptr;
    QCheckBox* m_negative = nullptr;
};
