#include "settings/OptionPage5.h"

#include "settings/OptionIO.h"

COptionPage5::COptionPage5()
{
    ResetDefaults();
}

COptionPage5::~COptionPage5() = default;

const std::array<OptionKey<COptionPage5>, COptionPage5::KeyCount>& COptionPage5::Keys()
{
    using K = OptionKind;
    static const std::array<OptionKey<COptionPage5>, KeyCount> keys = {{
        {"grid show", K::Show, 1, &COptionPage5::m_gridShow, nullptr},
        {"axis show", K::Show, 1, &COptionPage5::m_axisShow, nullptr},
        {"grid red", K::Red, 141, &COptionPage5::m_gridRed, nullptr},
        {"grid green", K::Green, 141, &COptionPage5::m_gridGreen, nullptr},
        {"grid blue", K::Blue, 141, &COptionPage5::m_gridBlue, nullptr},
        {"screen red", K::Red, 0, &COptionPage5::m_screenRed, nullptr},
        {"screen green", K::Green, 0, &COptionPage5::m_screenGreen, nullptr},
        {"screen blue", K::Blue, 0, &COptionPage5::m_screenBlue, nullptr},
        {"scale along X", K::Number, 1, &COptionPage5::m_scaleAlongX, nullptr},
        {"scale along Y", K::Number, 1, &COptionPage5::m_scaleAlongY, nullptr},
        {"scale along Z", K::Number, 1, &COptionPage5::m_scaleAlongZ, nullptr},
        {"grid sub divisions X", K::Number, 20, &COptionPage5::m_gridSubDivisionsX, nullptr},
        {"grid sub divisions Z", K::Number, 20, &COptionPage5::m_gridSubDivisionsZ, nullptr},
        {"Translate along X", K::Number, 1, &COptionPage5::m_translateAlongX, nullptr},
        {"Translate along Y", K::Number, 1, &COptionPage5::m_translateAlongY, nullptr},
        {"Translate along Z", K::Number, 1, &COptionPage5::m_translateAlongZ, nullptr},
        {"Rotate about X", K::Number, 1, &COptionPage5::m_rotateAboutX, nullptr},
        {"Rotate about Y", K::Number, 1, &COptionPage5::m_rotateAboutY, nullptr},
        {"Rotate about Z", K::Number, 1, &COptionPage5::m_rotateAboutZ, nullptr},
    }};
    return keys;
}

void COptionPage5::ResetDefaults()
{
    ResetOptionKeys(*this, Keys());
}

void COptionPage5::LoadLibraryA()
{
    ReadOptionKeys(*this, Keys());
}

void COptionPage5::WriteSettings() const
{
    WriteOptionKeys(*this, Keys());
}
