// The settings page over COptionPage2 (member display settings): the controls of template
// 12048 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include <memory>

#include "settings/OptionPage2.h"
#include "settings/pages/OptionPageForm.h"

class OptionPage2Widget : public OptionPageForm {
    Q_OBJECT
public:
    explicit OptionPage2Widget(COptionPage2* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage2Widget() override;

    COptionPage2& Settings() { return *m_settings; }

protected:
    void ReadGroup() override { m_settings->LoadLibraryA(); }
    void WriteGroup() const override { m_settings->WriteSettings(); }
    int* IntMember(const char* key) override { return KeyMember(*m_settings, key); }
    double* RealMember(const char* key) override { return RealKeyMember(*m_settings, key); }

private:
    std::unique_ptr<COptionPage2> m_own;
    COptionPage2* m_settings;
};
