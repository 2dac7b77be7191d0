#include "settings/OptionPage3.h"

#include "settings/OptionIO.h"

COptionPage3::COptionPage3()
{
    ResetDefaults();
}

COptionPage3::~COptionPage3() = default;

const std::array<OptionKey<COptionPage3>, COptionPage3::KeyCount>& COptionPage3::Keys()
{
    using K = OptionKind;
    static const std::array<OptionKey<COptionPage3>, KeyCount> keys = {{
        {"Fx line show", K::Show, 1, &COptionPage3::m_fxLineShow, nullptr},
        {"Fy line show", K::Show, 1, &COptionPage3::m_fyLineShow, nullptr},
        {"Fz line show", K::Show, 1, &COptionPage3::m_fzLineShow, nullptr},
        {"Mx line show", K::Show, 1, &COptionPage3::m_mxLineShow, nullptr},
        {"My line show", K::Show, 1, &COptionPage3::m_myLineShow, nullptr},
        {"Mz line show", K::Show, 1, &COptionPage3::m_mzLineShow, nullptr},
        {"load number show", K::Show, 1, &COptionPage3::m_loadNumberShow, nullptr},
        {"Fx red", K::Red, 255, &COptionPage3::m_fxRed, nullptr},
        {"Fx green", K::Green, 0, &COptionPage3::m_fxGreen, nullptr},
        {"Fx blue", K::Blue, 0, &COptionPage3::m_fxBlue, nullptr},
        {"Fy red", K::Red, 0, &COptionPage3::m_fyRed, nullptr},
        {"Fy green", K::Green, 255, &COptionPage3::m_fyGreen, nullptr},
        {"Fy blue", K::Blue, 0, &COptionPage3::m_fyBlue, nullptr},
        {"Fz red", K::Red, 0, &COptionPage3::m_fzRed, nullptr},
        {"Fz green", K::Green, 0, &COptionPage3::m_fzGreen, nullptr},
        {"Fz blue", K::Blue, 255, &COptionPage3::m_fzBlue, nullptr},
        {"Mx red", K::Red, 255, &COptionPage3::m_mxRed, nullptr},
        {"Mx green", K::Green, 0, &COptionPage3::m_mxGreen, nullptr},
        {"Mx blue", K::Blue, 0, &COptionPage3::m_mxBlue, nullptr},
        {"My red", K::Red, 0, &COptionPage3::m_myRed, nullptr},
        {"My green", K::Green, 255, &COptionPage3::m_myGreen, nullptr},
        {"My blue", K::Blue, 0, &COptionPage3::m_myBlue, nullptr},
        {"Mz red", K::Red, 0, &COptionPage3::m_mzRed, nullptr},
        {"Mz green", K::Green, 0, &COptionPage3::m_mzGreen, nullptr},
        {"Mz blue", K::Blue, 255, &COptionPage3::m_mzBlue, nullptr},
        {"load scale", K::Real, 1, nullptr, &COptionPage3::m_loadScale},
    }};
    return keys;
}

void COptionPage3::ResetDefaults()
{
    ResetOptionKeys(*this, Keys());
}

void COptionPage3::LoadLibraryA()
{
    ReadOptionKeys(*this, Keys());
}

void COptionPage3::WriteSettings() const
{
    WriteOptionKeys(*this, Keys());
}
