// The settings page over COptionPage5 (global view settings): the controls of template
// 12052 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include <memory>

#include "settings/OptionPage5.h"
#include "settings/pages/OptionPageForm.h"

class OptionPage5Widget : public OptionPageForm {
    Q_OBJECT
public:
    explicit OptionPage5Widget(COptionPage5* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage5Widget() override;

    COptionPage5& Settings() { return *m_settings; }

protected:
    void ReadGroup() override { m_settings->LoadLibraryA(); }
    void WriteGroup() const override { m_settings->WriteSettings(); }
    int* IntMember(const char* key) override { return KeyMember(*m_settings, key); }
    double* RealMember(const char* key) override { return RealKeyMember(*m_settings, key); }

private:
    std::unique_ptr<COptionPage5> m_own;
    COptionPage5* m_settings;
};
