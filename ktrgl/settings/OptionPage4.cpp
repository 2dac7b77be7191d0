#include "settings/OptionPage4.h"

#include "settings/OptionIO.h"

COptionPage4::COptionPage4()
{
    ResetDefaults();
}

COptionPage4::~COptionPage4() = default;

const std::array<OptionKey<COptionPage4>, COptionPage4::KeyCount>& COptionPage4::Keys()
{
    using K = OptionKind;
    static const std::array<OptionKey<COptionPage4>, KeyCount> keys = {{
        {"Member Fx show", K::Show, 1, &COptionPage4::m_memberFxShow, nullptr},
        {"Member Fy show", K::Show, 1, &COptionPage4::m_memberFyShow, nullptr},
        {"Member Fz show", K::Show, 1, &COptionPage4::m_memberFzShow, nullptr},
        {"Member Mx show", K::Show, 1, &COptionPage4::m_memberMxShow, nullptr},
        {"Member My show", K::Show, 1, &COptionPage4::m_memberMyShow, nullptr},
        {"Member Mz show", K::Show, 1, &COptionPage4::m_memberMzShow, nullptr},
        {"Member Fx red", K::Red, 255, &COptionPage4::m_memberFxRed, nullptr},
        {"Member Fx green", K::Green, 0, &COptionPage4::m_memberFxGreen, nullptr},
        {"Member Fx blue", K::Blue, 0, &COptionPage4::m_memberFxBlue, nullptr},
        {"Member Fy red", K::Red, 0, &COptionPage4::m_memberFyRed, nullptr},
        {"Member Fy green", K::Green, 255, &COptionPage4::m_memberFyGreen, nullptr},
        {"Member Fy blue", K::Blue, 0, &COptionPage4::m_memberFyBlue, nullptr},
        {"Member Fz red", K::Red, 0, &COptionPage4::m_memberFzRed, nullptr},
        {"Member Fz green", K::Green, 0, &COptionPage4::m_memberFzGreen, nullptr},
        {"Member Fz blue", K::Blue, 255, &COptionPage4::m_memberFzBlue, nullptr},
        {"Member Mx red", K::Red, 255, &COptionPage4::m_memberMxRed, nullptr},
        {"Member Mx green", K::Green, 0, &COptionPage4::m_memberMxGreen, nullptr},
        {"Member Mx blue", K::Blue, 0, &COptionPage4::m_memberMxBlue, nullptr},
        {"Member My red", K::Red, 0, &COptionPage4::m_memberMyRed, nullptr},
        {"Member My green", K::Green, 255, &COptionPage4::m_memberMyGreen, nullptr},
        {"Member My blue", K::Blue, 0, &COptionPage4::m_memberMyBlue, nullptr},
        {"Member Mz red", K::Red, 0, &COptionPage4::m_memberMzRed, nullptr},
        {"Member Mz green", K::Green, 0, &COptionPage4::m_memberMzGreen, nullptr},
        {"Member Mz blue", K::Blue, 255, &COptionPage4::m_memberMzBlue, nullptr},
        {"Member Fx scale", K::Number, 1, &COptionPage4::m_memberFxScale, nullptr},
        {"Member Fy scale", K::Number, 1, &COptionPage4::m_memberFyScale, nullptr},
        {"Member Fz scale", K::Number, 1, &COptionPage4::m_memberFzScale, nullptr},
        {"Member Mx scale", K::Number, 1, &COptionPage4::m_memberMxScale, nullptr},
        {"Member My scale", K::Number, 1, &COptionPage4::m_memberMyScale, nullptr},
        {"Member Mz scale", K::Number, 1, &COptionPage4::m_memberMzScale, nullptr},
        {"Subdivisions Fx", K::Number, 20, &COptionPage4::m_subdivisionsFx, nullptr},
        {"Subdivisions Fy", K::Number, 20, &COptionPage4::m_subdivisionsFy, nullptr},
        {"Subdivisions Fz", K::Number, 20, &COptionPage4::m_subdivisionsFz, nullptr},
        {"Subdivisions Mx", K::Number, 20, &COptionPage4::m_subdivisionsMx, nullptr},
        {"Subdivisions My", K::Number, 20, &COptionPage4::m_subdivisionsMy, nullptr},
        {"Subdivisions Mz", K::Number, 20, &COptionPage4::m_subdivisionsMz, nullptr},
    }};
    return keys;
}

void COptionPage4::ResetDefaults()
{
    ResetOptionKeys(*this, Keys());
}

void COptionPage4::LoadLibraryA()
{
    ReadOptionKeys(*this, Keys());
}

void COptionPage4::WriteSettings() const
{
    WriteOptionKeys(*this, Keys());
}
