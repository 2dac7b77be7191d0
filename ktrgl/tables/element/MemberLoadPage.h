// The member load page ("Member Loads") of the input sheet: the member loads
// of the active load case (see MemberLoadPanel and MemberLoadTable, shared
// with the bar twin CMemberLoadBar). The page reads the case's file when it
// becomes active and commits an open edit when it is left.
#pragma once
#include "tables/PropertyPage.h"
#include "tables/element/MemberLoadPanel.h"

class CMemberLoadPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CMemberLoadPage(QWidget* parent = nullptr);
    ~CMemberLoadPage() override;

    void SetGeometry(CGeometry* geometry) { m_panel->SetGeometry(geometry); }
    MemberLoadPanel* Panel() const { return m_panel; }
    CMSFlexGrid* Grid() const { return m_panel->Grid(); }
    GridEditing* Editing() const { return m_panel->Editing(); }
    MemberLoadTable& Table() { return m_panel->Table(); }

    bool OnSetActive() override;
    bool OnKillActive() override;
    void UpdateTable() { m_panel->UpdateTable(); }
    bool OnCommand(int command) { return m_panel->OnCommand(command); }

private:
    MemberLoadPanel* m_panel;
};
