// The mirror page (dialog 12027), shown by the connectivity bar in a sheet
// titled "Mirror": Move or Copy, the mirror plane and its distance to the
// origin. The bar reads the answers after OK and mirrors the selection.
#pragma once
#include "tables/element/MoveCopyPage.h"

class QLineEdit;
class QRadioButton;

class CElementPage6 : public MoveCopyPage {
    Q_OBJECT
public:
    // Planes in the order of the page's radio buttons.
    enum Plane : int { PlaneXZ = 0, PlaneXY = 1, PlaneYZ = 2 };

    explicit CElementPage6(QWidget* parent = nullptr);
    ~CElementPage6() override;

    void UpdateData(bool save) override;

    int m_plane = PlaneYZ;
    double m_distance = 0.0;

    QRadioButton* PlaneButton(int plane) const { return m_planeButtons[plane]; }
    QLineEdit* DistanceEdit() const { return m_distanceEdit; }

private:
    QRadioButton* m_planeButtons[3];
    QLineEdit* m_distanceEdit = nullptr;
};
