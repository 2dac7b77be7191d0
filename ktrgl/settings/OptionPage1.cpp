#include "settings/OptionPage1.h"

#include "settings/OptionIO.h"

COptionPage1::COptionPage1()
{
    ResetDefaults();
}

COptionPage1::~COptionPage1() = default;

const std::array<OptionKey<COptionPage1>, COptionPage1::KeyCount>& COptionPage1::Keys()
{
    using K = OptionKind;
    static const std::array<OptionKey<COptionPage1>, KeyCount> keys = {{
        {"node coordinate show", K::Show, 1, &COptionPage1::m_nodeCoordinateShow, nullptr},
        {"node coordinate red", K::Red, 0, &COptionPage1::m_nodeCoordinateRed, nullptr},
        {"node coordinate green", K::Green, 255, &COptionPage1::m_nodeCoordinateGreen, nullptr},
        {"node coordinate blue", K::Blue, 0, &COptionPage1::m_nodeCoordinateBlue, nullptr},
        {"node number show", K::Show, 1, &COptionPage1::m_nodeNumberShow, nullptr},
        {"node number red", K::Red, 0, &COptionPage1::m_nodeNumberRed, nullptr},
        {"node number green", K::Green, 255, &COptionPage1::m_nodeNumberGreen, nullptr},
        {"node number blue", K::Blue, 0, &COptionPage1::m_nodeNumberBlue, nullptr},
        {"node displacement show", K::Show, 1, &COptionPage1::m_nodeDisplacementShow, nullptr},
        {"node displacement red", K::Red, 225, &COptionPage1::m_nodeDisplacementRed, nullptr},
        {"node displacement green", K::Green, 225, &COptionPage1::m_nodeDisplacementGreen, nullptr},
        {"node displacement blue", K::Blue, 225, &COptionPage1::m_nodeDisplacementBlue, nullptr},
        {"disp number show", K::Show, 1, &COptionPage1::m_dispNumberShow, nullptr},
        {"disp number red", K::Red, 0, &COptionPage1::m_dispNumberRed, nullptr},
        {"disp number green", K::Green, 255, &COptionPage1::m_dispNumberGreen, nullptr},
        {"dsip number blue", K::Blue, 0, &COptionPage1::m_dispNumberBlue, nullptr},
        {"node factor", K::Number, 6, &COptionPage1::m_nodeFactor, nullptr},
        {"disp factor", K::Number, 1, &COptionPage1::m_dispFactor, nullptr},
        {"boundary show", K::Show, 1, &COptionPage1::m_boundaryShow, nullptr},
    }};
    return keys;
}

void COptionPage1::ResetDefaults()
{
    ResetOptionKeys(*this, Keys());
}

void COptionPage1::LoadLibraryA()
{
    ReadOptionKeys(*this, Keys());
}

void COptionPage1::WriteSettings() const
{
    WriteOptionKeys(*this, Keys());
}
