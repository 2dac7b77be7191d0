// The docked member load bar: the member loads of the active load case in
// the style of the node load bar (see MemberLoadPanel and MemberLoadTable,
// shared with the page twin CMemberLoadPage). The host refills it whenever
// the active load case or the model changes.
#pragma once
#include "tables/DialogBar.h"
#include "tables/element/MemberLoadPanel.h"

class CMemberLoadBar : public DialogBar {
    Q_OBJECT
public:
    explicit CMemberLoadBar(QWidget* parent = nullptr);
    ~CMemberLoadBar() override;

    void SetGeometry(CGeometry* geometry) { m_panel->SetGeometry(geometry); }
    MemberLoadPanel* Panel() const { return m_panel; }
    CMSFlexGrid* Grid() const { return m_panel->Grid(); }
    GridEditing* Editing() const { return m_panel->Editing(); }
    MemberLoadTable& Table() { return m_panel->Table(); }

    bool OnInitDialog() override;
    void UpdateTable() { m_panel->UpdateTable(); }
    bool OnCommand(int command) { return m_panel->OnCommand(command); }

private:
    MemberLoadPanel* m_panel;
};
