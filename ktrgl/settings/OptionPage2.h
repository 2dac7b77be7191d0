// Member display settings: member lines, numbers, displaced members, the
// local 1-2 planes, reference (K) points and local axes, with their colours.
// CGeometry owns one (m_memberOptions) together with the member and property
// label lists; the element settings page edits it.
//
// Every value lives in section "OPTION" of KESTRA.INI. Keys() lists the
// group's keys in file order: LoadLibraryA reads them in that order and
// WriteSettings writes every one of them, in the same order, as "%d".
#pragma once
#include <array>
#include <string>
#include <vector>

#include "settings/OptionKey.h"

class COptionPage2 {
public:
    static constexpr int KeyCount = 21;

    COptionPage2();   // every member at its default; the file is not read
    virtual ~COptionPage2();

    // Reads every key of the group (a missing key gives its default).
    void LoadLibraryA();
    // Writes every key of the group, changed or not.
    void WriteSettings() const;
    // Sets every member to its default.
    void ResetDefaults();

    static const std::array<OptionKey<COptionPage2>, KeyCount>& Keys();

    // Settings, in file order.
    int m_memberPlanShow;           // "member plan show"
    int m_memberPlanRed;            // "member plan red"
    int m_memberPlanGreen;          // "member plan green"
    int m_memberPlanBlue;           // "member plan blue"
    int m_memberLineShow;           // "member line show"
    int m_memberLineRed;            // "member line red"
    int m_memberLineGreen;          // "member line green"
    int m_memberLineBlue;           // "member line blue"
    int m_memberNumberShow;         // "member number show"
    int m_memberNumberRed;          // "member number red"
    int m_memberNumberGreen;        // "member number green"
    int m_memberNumberBlue;         // "member number blue"
    int m_memberDisplacementShow;   // "member displacement show"
    int m_memberDisplacementRed;    // "member displacement red"
    int m_memberDisplacementGreen;  // "member displacement green"
    int m_memberDisplacementBlue;   // "member displacement blue"
    int m_memberKPointShow;         // "member K point show"
    int m_memberLocalAxis1;         // "member local axis 1"
    int m_memberLocalAxis2;         // "member local axis 2"
    int m_memberLocalAxis3;         // "member local axis 3"
    int m_memberLocalAxisID;        // "member local axis ID"

    // Member labels ("%d" of the row) and property labels ("%d" of each
    // member's property number), indexed from 1; entry 0 stays empty.
    std::vector<std::string> m_memberLabels;
    std::vector<std::string> m_propertyLabels;
};
