// The rotation page (dialog 12041), shown by the connectivity bar in a
// sheet titled "Rotation": Move or Copy, the axis the turn is parallel to,
// the point K the axis passes through and the angle in degrees. The bar
// reads the answers after OK and turns the selection.
#pragma once
#include "tables/element/MoveCopyPage.h"

class QLineEdit;
class QRadioButton;

class CElementPage8 : public MoveCopyPage {
    Q_OBJECT
public:
    explicit CElementPage8(QWidget* parent = nullptr);
    ~CElementPage8() override;

    void UpdateData(bool save) override;

    // 1 X, 2 Y, 3 Z.
    int m_axis = 2;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    double m_angle = 0.0; // degrees

    QRadioButton* AxisButton(int axis) const { return m_axisButtons[axis - 1]; }
    // 0..2: X, Y, Z of K; 3: the angle.
    QLineEdit* Edit(int index) const { return m_edits[index]; }

private:
    QRadioButton* m_axisButtons[3];
    QLineEdit* m_edits[4];
};
