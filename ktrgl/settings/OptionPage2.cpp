#include "settings/OptionPage2.h"

#include "settings/OptionIO.h"

COptionPage2::COptionPage2()
{
    ResetDefaults();
}

COptionPage2::~COptionPage2() = default;

const std::array<OptionKey<COptionPage2>, COptionPage2::KeyCount>& COptionPage2::Keys()
{
    using K = OptionKind;
    static const std::array<OptionKey<COptionPage2>, KeyCount> keys = {{
        {"member plan show", K::Show, 1, &COptionPage2::m_memberPlanShow, nullptr},
        {"member plan red", K::Red, 1, &COptionPage2::m_memberPlanRed, nullptr},
        {"member plan green", K::Green, 1, &COptionPage2::m_memberPlanGreen, nullptr},
        {"member plan blue", K::Blue, 1, &COptionPage2::m_memberPlanBlue, nullptr},
        {"member line show", K::Show, 1, &COptionPage2::m_memberLineShow, nullptr},
        {"member line red", K::Red, 0, &COptionPage2::m_memberLineRed, nullptr},
        {"member line green", K::Green, 255, &COptionPage2::m_memberLineGreen, nullptr},
        {"member line blue", K::Blue, 255, &COptionPage2::m_memberLineBlue, nullptr},
        {"member number show", K::Show, 1, &COptionPage2::m_memberNumberShow, nullptr},
        {"member number red", K::Red, 0, &COptionPage2::m_memberNumberRed, nullptr},
        {"member number green", K::Green, 255, &COptionPage2::m_memberNumberGreen, nullptr},
        {"member number blue", K::Blue, 255, &COptionPage2::m_memberNumberBlue, nullptr},
        {"member displacement show", K::Show, 1, &COptionPage2::m_memberDisplacementShow, nullptr},
        {"member displacement red", K::Red, 192, &COptionPage2::m_memberDisplacementRed, nullptr},
        {"member displacement green", K::Green, 192, &COptionPage2::m_memberDisplacementGreen, nullptr},
        {"member displacement blue", K::Blue, 192, &COptionPage2::m_memberDisplacementBlue, nullptr},
        {"member K point show", K::Show, 1, &COptionPage2::m_memberKPointShow, nullptr},
        {"member local axis 1", K::Show, 1, &COptionPage2::m_memberLocalAxis1, nullptr},
        {"member local axis 2", K::Show, 1, &COptionPage2::m_memberLocalAxis2, nullptr},
        {"member local axis 3", K::Show, 1, &COptionPage2::m_memberLocalAxis3, nullptr},
        {"member local axis ID", K::Show, 1, &COptionPage2::m_memberLocalAxisID, nullptr},
    }};
    return keys;
}

void COptionPage2::ResetDefaults()
{
    ResetOptionKeys(*this, Keys());
}

void COptionPage2::LoadLibraryA()
{
    ReadOptionKeys(*this, Keys());
}

void COptionPage2::WriteSettings() const
{
    WriteOptionKeys(*this, Keys());
}
