#include "settings/MemberLoadOptions.h"

#include "settings/OptionIO.h"

CMemberLoadOptions::CMemberLoadOptions()
{
    ResetDefaults();
}

CMemberLoadOptions::~CMemberLoadOptions() = default;

const std::array<OptionKey<CMemberLoadOptions>, CMemberLoadOptions::KeyCount>& CMemberLoadOptions::Keys()
{
    using K = OptionKind;
    static const std::array<OptionKey<CMemberLoadOptions>, KeyCount> keys = {{
        {"member load show", K::Show, 1, &CMemberLoadOptions::m_memberLoadShow, nullptr},
        {"member load red", K::Red, 255, &CMemberLoadOptions::m_memberLoadRed, nullptr},
        {"member load green", K::Green, 128, &CMemberLoadOptions::m_memberLoadGreen, nullptr},
        {"member load blue", K::Blue, 0, &CMemberLoadOptions::m_memberLoadBlue, nullptr},
    }};
    return keys;
}

void CMemberLoadOptions::ResetDefaults()
{
    ResetOptionKeys(*this, Keys());
}

void CMemberLoadOptions::LoadLibraryA()
{
    ReadOptionKeys(*this, Keys());
}

void CMemberLoadOptions::WriteSettings() const
{
    WriteOptionKeys(*this, Keys());
}
