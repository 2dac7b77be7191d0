// Step 1 of the new-project wizard: the structure type and the project
// title. Only "Frame3D" and "Truss3D" are accepted; the other four types
// are refused with a message and leave no type button selected. The page
// writes type, degrees of freedom, nodes per element and title to the
// settings when it is left.
#pragma once
#include <QColor>
#include <QString>

#include "project/Project.h"
#include "tables/PropertyPage.h"

class QLineEdit;
class QRadioButton;

class CNewProjectPage1 : public PropertyPage {
    Q_OBJECT
public:
    enum ControlId {
        IdFrame = 5000,
        IdPlane = 5001,
        IdTruss = 5002,
        IdPlate = 5003,
        IdShell = 5004,
        IdSolid = 5005,
        IdTitle = 5007,
    };

    explicit CNewProjectPage1(QWidget* parent = nullptr);
    ~CNewProjectPage1() override;

    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    void OnRadioFrame();
    void OnRadioTruss();
    void OnRadioPlane();
    void OnRadioPlate();
    void OnRadioShell();
    void OnRadioSolid();
    // Refuses a selected Plane, Plate, Shell or Solid: message, then no
    // type button selected.
    void Update();

    // Controls -> exchange variables (save) or back.
    void UpdateData(bool save);

    QWidget* GetDlgItem(int id) const;
    QRadioButton* Radio(int id) const;
    QLineEdit* TitleEdit() const { return m_titleEdit; }
    bool HasToolTips() const { return m_toolTips; }
    QColor ToolTipColour() const { return m_toolTipColour; }
    CProject& Project() { return m_project; }

    static const char* const RefusedText;     // "Sorry this version perform ..."
    static const char* const RefusedCaption;  // "KESTRA Information"
    static const char* const ToolTipKey;      // "Tool tip text "
    static const unsigned ToolTipColourRef = 0xE1FF00;   // 0x00BBGGRR

    // Exchange variables: 0 selected, 1 not selected.
    int m_radioFrame = 1;
    int m_radioPlane = 1;
    int m_radioTruss = 1;
    int m_radioPlate = 1;
    int m_radioShell = 1;
    int m_radioSolid = 1;
    QString m_title;

private:
    void CheckOnly(int* selected);
    void CreateToolTips();

    CProject m_project;
    QRadioButton* m_frame = nullptr;
    QRadioButton* m_plane = nullptr;
    QRadioButton* m_truss = nullptr;
    QRadioButton* m_plate = nullptr;
    QRadioButton* m_shell = nullptr;
    QRadioButton* m_solid = nullptr;
    QLineEdit* m_titleEdit = nullptr;
    bool m_toolTips = false;
    QColor m_toolTipColour;
};
