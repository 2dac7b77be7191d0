// The mirror page (dialog 12027), shown by the connectivity bar in a sheet
// titled "Mirror": Move or Copy, the mirror plane and its distance to the
// origin. The bar reads the answers after OK and mirrors the selection.
#pragma once
#include "tables/PropertyPage.h"

class QLineEdit;
class QRadioButton;

class CElementPage6 : public PropertyPage {
    Q_OBJECT
public:
    // Planes in the order of the page's radio buttons.
    enum Plane : int { PlaneXZ = 0, PlaneXY = 1, PlaneYZ = 2 };

    explicit CElementPage6(QWidget* parent = nullptr);
    ~CElementPage6() override;

    // The controls written from (false) or read into (true) the fields.
    void UpdateData(bool save);
    bool OnKillActive() override;
    void OnOK() override;

    // 1 Move, 2 Copy.
    int m_mode = 2;
    int m_plane = PlaneYZ;
    double m_distance = 0.0;

    QRadioButton* ModeButton(int mode) const { return m_modeButtons[mode == 1 ? 0 : 1]; }
    QRadioButton* PlaneButton(int plane) const { return m_planeButtons[plane]; }
    QLineEdit* DistanceEdit() const { return m_distanceEdit; }

private:
    QRadioButton* m_modeButtons[2];
    QRadioButton* m_planeButtons[3];
    QLineEdit* m_distanceEdit = nullptr;
};
