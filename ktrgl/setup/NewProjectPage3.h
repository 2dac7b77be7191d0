// Last step of the new-project wizard: a summary of the structure type,
// the title and the two units as they now stand in the settings file.
#pragma once
#include "project/Project.h"
#include "tables/PropertyPage.h"

class QLabel;

class CNewProjectPage3 : public PropertyPage {
    Q_OBJECT
public:
    enum ControlId { IdType = 5021, IdTitle = 32934, IdUnits = 5023 };

    explicit CNewProjectPage3(QWidget* parent = nullptr);
    ~CNewProjectPage3() override;

    bool OnSetActive() override;

    QLabel* Label(int id) const;
    CProject& Project() { return m_project; }

private:
    CProject m_project;
    QLabel* m_type = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_units = nullptr;
};
