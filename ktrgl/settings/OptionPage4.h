// Member force diagram settings, per component Fx, Fy, Fz, Mx, My, Mz:
// whether the diagram is built, its colour, its scale and the number of
// stations along each member. CGeometry owns one (m_forceOptions); the member
// force settings page edits it.
//
// Every value lives in section "OPTION" of KESTRA.INI. Keys() lists the
// group's keys in file order: LoadLibraryA reads them in that order and
// WriteSettings writes every one of them, in the same order, as "%d".
#pragma once
#include <array>

#include "settings/OptionKey.h"

class COptionPage4 {
public:
    static constexpr int KeyCount = 36;

    COptionPage4();   // every member at its default; the file is not read
    virtual ~COptionPage4();

    // Reads every key of the group (a missing key gives its default).
    void LoadLibraryA();
    // Writes every key of the group, changed or not.
    void WriteSettings() const;
    // Sets every member to its default.
    void ResetDefaults();

    static const std::array<OptionKey<COptionPage4>, KeyCount>& Keys();

    // Settings, in file order.
    int m_memberFxShow;             // "Member Fx show"
    int m_memberFyShow;             // "Member Fy show"
    int m_memberFzShow;             // "Member Fz show"
    int m_memberMxShow;             // "Member Mx show"
    int m_memberMyShow;             // "Member My show"
    int m_memberMzShow;             // "Member Mz show"
    int m_memberFxRed;              // "Member Fx red"
    int m_memberFxGreen;            // "Member Fx green"
    int m_memberFxBlue;             // "Member Fx blue"
    int m_memberFyRed;              // "Member Fy red"
    int m_memberFyGreen;            // "Member Fy green"
    int m_memberFyBlue;             // "Member Fy blue"
    int m_memberFzRed;              // "Member Fz red"
    int m_memberFzGreen;            // "Member Fz green"
    int m_memberFzBlue;             // "Member Fz blue"
    int m_memberMxRed;              // "Member Mx red"
    int m_memberMxGreen;            // "Member Mx green"
    int m_memberMxBlue;             // "Member Mx blue"
    int m_memberMyRed;              // "Member My red"
    int m_memberMyGreen;            // "Member My green"
    int m_memberMyBlue;             // "Member My blue"
    int m_memberMzRed;              // "Member Mz red"
    int m_memberMzGreen;            // "Member Mz green"
    int m_memberMzBlue;             // "Member Mz blue"
    int m_memberFxScale;            // "Member Fx scale"
    int m_memberFyScale;            // "Member Fy scale"
    int m_memberFzScale;            // "Member Fz scale"
    int m_memberMxScale;            // "Member Mx scale"
    int m_memberMyScale;            // "Member My scale"
    int m_memberMzScale;            // "Member Mz scale"
    int m_subdivisionsFx;           // "Subdivisions Fx"
    int m_subdivisionsFy;           // "Subdivisions Fy"
    int m_subdivisionsFz;           // "Subdivisions Fz"
    int m_subdivisionsMx;           // "Subdivisions Mx"
    int m_subdivisionsMy;           // "Subdivisions My"
    int m_subdivisionsMz;           // "Subdivisions Mz"
};
