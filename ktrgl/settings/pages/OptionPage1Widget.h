// The settings page over COptionPage1 (node display settings): the controls of template
// 12047 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include <memory>

#include "settings/OptionPage1.h"
#include "settings/pages/OptionPageForm.h"

class OptionPage1Widget : public OptionPageForm {
    Q_OBJECT
public:
    explicit OptionPage1Widget(COptionPage1* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage1Widget() override;

    COptionPage1& Settings() { return *m_settings; }

protected:
    void ReadGroup() override { m_settings->LoadLibraryA(); }
    void WriteGroup() const override { m_settings->WriteSettings(); }
    int* IntMember(const char* key) override { return KeyMember(*m_settings, key); }
    double* RealMember(const char* key) override { return RealKeyMember(*m_settings, key); }

private:
    std::unique_ptr<COptionPage1> m_own;
    COptionPage1* m_settings;
};
