// The docked connectivity bar: the connectivity table of CElementPage1 in
// five columns (no length), with the geometric commands besides: mirror,
// rotate, generate, import and the property and release assignment. The
// algorithms live in MemberTableWorker, shared with the page; the bar adds
// its grid, its editor rules (typed digits start the editor, Down on the
// last row appends) and the model view updates after each command.
#pragma once
#include <QPoint>
#include <string>

#include "numerics/dVector.h"
#include "tables/DialogBar.h"
#include "tables/GridEditing.h"
#include "tables/element/MemberTableWorker.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CElementBar1 : public DialogBar, public GridEditingClient {
    Q_OBJECT
public:
    explicit CElementBar1(QWidget* parent = nullptr);
    ~CElementBar1() override;

    // The model view, set by the host before Create.
    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    MemberTableWorker& Worker() { return m_worker; }

    // Creates the editor once and fills the table.
    bool OnInitDialog() override;

    // ---- commands of the "element" popup -----------------------------------
    void OnCopy();
    void OnPaste();          // asks for the offset, then PasteWithOffset
    void OnDelete();
    void OnAddNew();
    void OnReNumber();
    void OnMove();           // asks for the offset, then MoveWithOffset
    void OnProperties();     // asks for the group, then AssignProperty
    void OnMemberRelease();  // asks for the set, then AssignRelease
    void OnGenerate();       // asks on the generation page, then GenerateMembers
    void OnMirror();         // asks on the mirror page, then Mirror
    void OnRotate();         // asks on the rotation page, then Rotate
    void OnImport();         // asks for the file, then ImportFile
    void UpdateTable();
    bool OnCommand(int commandId);

    // ---- what the asking commands do with the answers ----------------------
    bool PasteWithOffset(double dx, double dy, double dz);
    bool MoveWithOffset(double dx, double dy, double dz);
    bool AssignProperty(int group);
    bool AssignRelease(int set);
    int GenerateMembers(const MemberTableWorker::Generation& generation);
    bool ImportFile(const std::string& path);
    // The mirror page's answers: plane (CElementPage6::Plane), distance,
    // mode 1 Move / 2 Copy; then the view update.
    void Mirror(int plane, double distance, int mode);
    // The rotation page's answers: axis 1..3, K, angle in degrees, mode.
    void Rotate(int axis, double x, double y, double z, double degrees, int mode);
    // Mirror in the plane x = d (y = d, z = d), then Re Number.
    void OnMirrorAlongX(double distance, int mode);
    void OnMirrorAlongY(double distance, int mode);
    void OnMirrorAlongZ(double distance, int mode);
    // Turn by theta (radians) about the axis through K, then Re Number.
    void OnRotateAboutX(CdVector point, double theta, int mode);
    void OnRotateAboutY(CdVector point, double theta, int mode);
    void OnRotateAboutZ(CdVector point, double theta, int mode);

    // ---- cells -----------------------------------------------------------------
    void CheckIn(const std::string& text);
    void FineLength(int row) { m_worker.FineLength(row); }

    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -------------------------------------------------
    int TableRowCount() const override { return m_worker.MemberCount(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void AfterCommit() override;
    void DeleteRows() override { OnDelete(); }
    void AppendRow() override { OnAddNew(); }
    void RefillTable() override { UpdateTable(); }
    void SelectionChanged() override;
    // Digits and "." start the editor with that character, a double click
    // and Enter with the cell's text, anything else ("-" too) empty.
    bool EditorText(int lastKey, const std::string& cellText, std::string& text) const override;

private:
    void Rotate(MemberTableWorker::Axis axis, const CdVector& point, double theta, int mode);
    void AfterTransform();

    MemberTableWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
    bool m_stored = false;
};
