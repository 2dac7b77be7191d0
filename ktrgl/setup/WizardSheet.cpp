#include "setup/WizardSheet.h"

const char* const CWizardSheet::CaptionText = "Wizard";

CWizardSheet::CWizardSheet(QWidget* parent)
    : PropertySheet(QString::fromLatin1(CaptionText), parent)
{
    SetWizardMode();
}

CWizardSheet::~CWizardSheet() = default;
