// The settings page over COptionPage3 (load glyph settings): the controls of template
// 12049 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include <memory>

#include "settings/OptionPage3.h"
#include "settings/pages/OptionPageForm.h"

class OptionPage3Widget : public OptionPageForm {
    Q_OBJECT
public:
    explicit OptionPage3Widget(COptionPage3* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage3Widget() override;

    COptionPage3& Settings() { return *m_settings; }

protected:
    void ReadGroup() override { m_settings->LoadLibraryA(); }
    void WriteGroup() const override { m_settings->WriteSettings(); }
    int* IntMember(const char* key) override { return KeyMember(*m_settings, key); }
    double* RealMember(const char* key) override { return RealKeyMember(*m_settings, key); }

private:
    std::unique_ptr<COptionPage3> m_own;
    COptionPage3* m_settings;
};
