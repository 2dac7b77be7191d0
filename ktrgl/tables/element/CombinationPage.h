// The combination page ("Load Combinations") of the input sheet: the factor
// of every load case in every combination (see CombinationPanel and
// CombinationTable, shared with the bar twin CCombinationBar).
#pragma once
#include "tables/PropertyPage.h"
#include "tables/element/CombinationPanel.h"

class CCombinationPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CCombinationPage(QWidget* parent = nullptr);
    ~CCombinationPage() override;

    void SetGeometry(CGeometry* geometry) { m_panel->SetGeometry(geometry); }
    CombinationPanel* Panel() const { return m_panel; }
    CMSFlexGrid* Grid() const { return m_panel->Grid(); }
    GridEditing* Editing() const { return m_panel->Editing(); }
    CombinationTable& Table() { return m_panel->Table(); }

    bool OnSetActive() override;
    bool OnKillActive() override;
    void UpdateTable() { m_panel->UpdateTable(); }
    bool OnCommand(int command) { return m_panel->OnCommand(command); }

private:
    CombinationPanel* m_panel;
};
