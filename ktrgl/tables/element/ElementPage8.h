// The rotation page (dialog 12041), shown by the connectivity bar in a
// sheet titled "Rotation": Move or Copy, the axis the turn is parallel to,
// the point K the axis passes through and the angle in degrees. The bar
// reads the answers after OK and turns the selection.
#pragma once
#include "tables/PropertyPage.h"

class QLineEdit;
class QRadioButton;

class CElementPage8 : public PropertyPage {
    Q_OBJECT
public:
    explicit CElementPage8(QWidget* parent = nullptr);
    ~CElementPage8() override;

    void UpdateData(bool save);
    bool OnKillActive() override;
    void OnOK() override;

    // 1 Move, 2 Copy.
    int m_mode = 2;
    // 1 X, 2 Y, 3 Z.
    int m_axis = 2;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    double m_angle = 0.0; // degrees

    QRadioButton* ModeButton(int mode) const { return m_modeButtons[mode == 1 ? 0 : 1]; }
    QRadioButton* AxisButton(int axis) const { return m_axisButtons[axis - 1]; }
    // 0..2: X, Y, Z of K; 3: the angle.
    QLineEdit* Edit(int index) const { return m_edits[index]; }

private:
    QRadioButton* m_modeButtons[2];
    QRadioButton* m_axisButtons[3];
    QLineEdit* m_edits[4];
};
