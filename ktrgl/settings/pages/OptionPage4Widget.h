// The settings page over COptionPage4 (member force diagram settings): the controls of template
// 12051 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include <memory>

#include "settings/OptionPage4.h"
#include "settings/pages/OptionPageForm.h"

class OptionPage4Widget : public OptionPageForm {
    Q_OBJECT
public:
    explicit OptionPage4Widget(COptionPage4* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage4Widget() override;

    COptionPage4& Settings() { return *m_settings; }

protected:
    void ReadGroup() override { m_settings->LoadLibraryA(); }
    void WriteGroup() const override { m_settings->WriteSettings(); }
    int* IntMember(const char* key) override { return KeyMember(*m_settings, key); }
    double* RealMember(const char* key) override { return RealKeyMember(*m_settings, key); }

private:
    std::unique_ptr<COptionPage4> m_own;
    COptionPage4* m_settings;
};
