// Step 2 of the new-project wizard: the length and force units. Each unit
// is stored as its label ("m", "Kg", ...), the key of the unit factor
// tables; the defaults are "m" and "Kg". The labels are written to the
// settings when the page is left.
#pragma once
#include "project/Project.h"
#include "tables/PropertyPage.h"

class QRadioButton;

class CNewProjectPage2 : public PropertyPage {
    Q_OBJECT
public:
    enum ControlId {
        IdKilometer = 5008,
        IdMeter = 5009,
        IdCentimeter = 5010,
        IdMillimeter = 5011,
        IdFoot = 5012,
        IdInch = 5013,
        IdMeganewton = 5014,
        IdKilonewton = 5015,
        IdNewton = 5016,
        IdMetricTon = 5017,
        IdKilogram = 5018,
        IdKilopound = 5019,
        IdPound = 5020,
    };

    explicit CNewProjectPage2(QWidget* parent = nullptr);
    ~CNewProjectPage2() override;

    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    void OnRadioKilometer();
    void OnRadioMeter();
    void OnRadioCentimeter();
    void OnRadioMillimeter();
    void OnRadioFoot();
    void OnRadioInch();
    void OnRadioMaganewton();
    void OnRadioKilonewton();
    void OnRadionewton();
    void OnRadioMetricton();
    void OnRadioKilogram();
    void OnRadiokilopound();
    void OnRadioPound();

    QWidget* GetDlgItem(int id) const;
    QRadioButton* Radio(int id) const;
    CProject& Project() { return m_project; }

    // Label stored for a unit button, "" for another id.
    static const char* UnitLabel(int id);

private:
    // Checks button id, unchecks the rest of its group, stores its label.
    void Choose(int id);

    CProject m_project;
};
