// The member end release page ("Member end release", dialog 12040): the
// release sets members refer to by number (column 8 of the member table).
// Each set has twelve codes, DOF 1..6 at the start node and 7..12 at the
// end node (translations 1, 2, 3, rotations about 1, 2, 3 of the member's
// local axes), 1 connected, 0 released. A ticked box means released. The
// sets live in the project's release file (location + name + ".res"),
// written only by OK together with the count "Number releases ".
#pragma once
#include <QCheckBox>
#include <string>

#include "numerics/dMatrix.h"
#include "project/Project.h"
#include "tables/PropertyPage.h"

class CMSFlexGrid;
class QPushButton;
class QRadioButton;

class CElementPage7 : public PropertyPage {
    Q_OBJECT
public:
    explicit CElementPage7(QWidget* parent = nullptr);
    ~CElementPage7() override;

    // Presets of the buttons, as the DOF numbers they release.
    enum Preset { PresetFrame3D, PresetTruss3D, PresetPlan12, PresetPlan23, PresetPlan13 };

    bool OnInitDialog() override;
    void OnOK() override;

    // ---- buttons -------------------------------------------------------------
    void OnAdd();
    void OnDelete();
    void OnFrame3D();
    void OnTruss3D();
    void OnXYPlan(); // "1-2 Plan"
    void OnYZPlan(); // "2-3 Plan"
    void OnXZPlan(); // "1-3 Plan"
    // The end pairing of DOF 1/7 and 4/10: the last ticked box wins.
    void OnCheck1();
    void OnCheck7();
    void OnCheck4();
    void OnCheck10();
    // Loads set row into the boxes (ticked where the stored code is 0).
    void OnMouseDownTable(short button);
    void UpdateTable();

    // ---- state ---------------------------------------------------------------
    CdMatrix& Table() { return m_table; }
    int ReleaseCount() const { return m_project.GetReleaseCount(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    // Box of DOF k (1..12).
    QCheckBox* Box(int dof) const { return m_boxes[dof - 1]; }
    bool Ticked(int dof) const { return m_boxes[dof - 1]->isChecked(); }
    QRadioButton* FrameButton() const { return m_frame; }
    QRadioButton* TrussButton() const { return m_truss; }

    // The two sets a project starts with: rigid, and pinned rotations.
    static CdMatrix DefaultSets();
    // Released DOF numbers (1..12) of a preset, as a 13-entry flag array.
    static void PresetReleases(Preset preset, bool released[13]);
    // Stored column shown in grid column col (1-based) of a Truss3D table.
    static int TrussColumn(int col) { return col <= 3 ? col : col + 3; }

private:
    void ApplyPreset(Preset preset);
    void SetBoxesEnabled(bool enabled);

    CProject m_project;
    CdMatrix m_table;
    bool m_trussLayout = false; // the grid shows the six translations
    QCheckBox* m_boxes[12];
    QRadioButton* m_frame = nullptr;
    QRadioButton* m_truss = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
};
