// Node load glyph settings: which load components are drawn, whether their
// values are written, the six glyph colours and the glyph scale. CGeometry
// owns one (m_loadOptions); the loads settings page edits it.
//
// Every value lives in section "OPTION" of KESTRA.INI. Keys() lists the
// group's keys in file order: LoadLibraryA reads them in that order and
// WriteSettings writes every one of them, in the same order, as "%d".
#pragma once
#include <array>

#include "settings/OptionKey.h"

class COptionPage3 {
public:
    static constexpr int KeyCount = 26;

    COptionPage3();   // every member at its default; the file is not read
    virtual ~COptionPage3();

    // Reads every key of the group (a missing key gives its default).
    void LoadLibraryA();
    // Writes every key of the group, changed or not.
    void WriteSettings() const;
    // Sets every member to its default.
    void ResetDefaults();

    static const std::array<OptionKey<COptionPage3>, KeyCount>& Keys();

    // Settings, in file order.
    int m_fxLineShow;               // "Fx line show"
    int m_fyLineShow;               // "Fy line show"
    int m_fzLineShow;               // "Fz line show"
    int m_mxLineShow;               // "Mx line show"
    int m_myLineShow;               // "My line show"
    int m_mzLineShow;               // "Mz line show"
    int m_loadNumberShow;           // "load number show"
    int m_fxRed;                    // "Fx red"
    int m_fxGreen;                  // "Fx green"
    int m_fxBlue;                   // "Fx blue"
    int m_fyRed;                    // "Fy red"
    int m_fyGreen;                  // "Fy green"
    int m_fyBlue;                   // "Fy blue"
    int m_fzRed;                    // "Fz red"
    int m_fzGreen;                  // "Fz green"
    int m_fzBlue;                   // "Fz blue"
    int m_mxRed;                    // "Mx red"
    int m_mxGreen;                  // "Mx green"
    int m_mxBlue;                   // "Mx blue"
    int m_myRed;                    // "My red"
    int m_myGreen;                  // "My green"
    int m_myBlue;                   // "My blue"
    int m_mzRed;                    // "Mz red"
    int m_mzGreen;                  // "Mz green"
    int m_mzBlue;                   // "Mz blue"
    double m_loadScale;             // "load scale"
};
