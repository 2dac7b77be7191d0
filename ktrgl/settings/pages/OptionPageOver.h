// A display settings page over one settings object (COptionPage1..5): the
// page edits the object it is given (for example CGeometry's own) or one of
// its own, reads and writes that object's group and binds its controls to
// the object's keys by name.
#pragma once
#include <memory>

#include "settings/pages/OptionPageForm.h"

template <class Group>
class OptionPageOver : public OptionPageForm {
public:
    Group& Settings() { return *m_settings; }

protected:
    OptionPageOver(const QString& caption, Group* settings, QWidget* parent)
        : OptionPageForm(caption, parent),
          m_own(settings ? nullptr : std::make_unique<Group>()),
          m_settings(settings ? settings : m_own.get())
    {
    }

    void ReadGroup() override { m_settings->LoadLibraryA(); }
    void WriteGroup() const override { m_settings->WriteSettings(); }
    int* IntMember(const char* key) override { return KeyMember(*m_settings, key); }
    double* RealMember(const char* key) override { return RealKeyMember(*m_settings, key); }

    std::unique_ptr<Group> m_own;
    Group* m_settings;
};
