// The settings page over COptionPage3 (load glyph settings): the controls of template
// 12049 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own. Given the member load
// settings too (CGeometry's m_memberLoadOptions), the page also shows their
// switch and colour and writes their keys with its own.
#pragma once
#include <memory>

#include "settings/MemberLoadOptions.h"
#include "settings/OptionPage3.h"
#include "settings/pages/OptionPageOver.h"

class OptionPage3Widget : public OptionPageOver<COptionPage3> {
    Q_OBJECT
public:
    explicit OptionPage3Widget(COptionPage3* settings = nullptr, QWidget* parent = nullptr,
                               CMemberLoadOptions* memberLoads = nullptr);
    ~OptionPage3Widget() override;

protected:
    void ReadGroup() override;
    void WriteGroup() const override;
    int* IntMember(const char* key) override;

private:
    CMemberLoadOptions* m_memberLoads;
};
