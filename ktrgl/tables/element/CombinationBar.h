// The docked combination bar: the load combinations (see CombinationPanel
// and CombinationTable, shared with the page twin CCombinationPage).
#pragma once
#include "tables/DialogBar.h"
#include "tables/element/CombinationPanel.h"

class CCombinationBar : public DialogBar {
    Q_OBJECT
public:
    explicit CCombinationBar(QWidget* parent = nullptr);
    ~CCombinationBar() override;

    void SetGeometry(CGeometry* geometry) { m_panel->SetGeometry(geometry); }
    CombinationPanel* Panel() const { return m_panel; }
    CMSFlexGrid* Grid() const { return m_panel->Grid(); }
    GridEditing* Editing() const { return m_panel->Editing(); }
    CombinationTable& Table() { return m_panel->Table(); }

    bool OnInitDialog() override;
    void UpdateTable() { m_panel->UpdateTable(); }
    bool OnCommand(int command) { return m_panel->OnCommand(command); }

private:
    CombinationPanel* m_panel;
};
