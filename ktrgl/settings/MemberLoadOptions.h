// Member load glyph settings: whether the member loads of the active load
// case are drawn and their colour. CGeometry owns one
// (m_memberLoadOptions); the loads settings page edits it beside the node
// load settings. The keys live in section "OPTION" like every display
// setting, after the node load keys.
#pragma once
#include <array>

#include "settings/OptionKey.h"

class CMemberLoadOptions {
public:
    static constexpr int KeyCount = 4;

    CMemberLoadOptions();
    virtual ~CMemberLoadOptions();

    void LoadLibraryA();
    void WriteSettings() const;
    void ResetDefaults();

    static const std::array<OptionKey<CMemberLoadOptions>, KeyCount>& Keys();

    int m_memberLoadShow;  // "member load show"
    int m_memberLoadRed;   // "member load red"
    int m_memberLoadGreen; // "member load green"
    int m_memberLoadBlue;  // "member load blue"
};
