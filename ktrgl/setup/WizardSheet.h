// The new-project wizard: a property sheet in wizard mode (Back, Next,
// Finish, Cancel) captioned "Wizard". The host adds CNewProjectPage1..3 and
// runs it; each page writes its part of the project settings when it is left.
#pragma once
#include "tables/PropertySheet.h"

class CWizardSheet : public PropertySheet {
    Q_OBJECT
public:
    explicit CWizardSheet(QWidget* parent = nullptr);
    ~CWizardSheet() override;

    static const char* const CaptionText;   // string resource 12011 "Wizard"
};
