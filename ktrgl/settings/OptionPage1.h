// Node display settings: whether node points, node numbers, displaced nodes
// and support glyphs are drawn, their colours, the node point size and the
// magnification of the displaced shape. CGeometry owns one (m_nodeOptions)
// together with the node label list; the node settings page edits it.
//
// Every value lives in section "OPTION" of KESTRA.INI. Keys() lists the
// group's keys in file order: LoadLibraryA reads them in that order and
// WriteSettings writes every one of them, in the same order, as "%d".
#pragma once
#include <array>
#include <string>
#include <vector>

#include "settings/OptionKey.h"

class COptionPage1 {
public:
    static constexpr int KeyCount = 19;

    COptionPage1();   // every member at its default; the file is not read
    virtual ~COptionPage1();

    // Reads every key of the group (a missing key gives its default).
    void LoadLibraryA();
    // Writes every key of the group, changed or not.
    void WriteSettings() const;
    // Sets every member to its default.
    void ResetDefaults();

    static const std::array<OptionKey<COptionPage1>, KeyCount>& Keys();

    // Settings, in file order.
    int m_nodeCoordinateShow;       // "node coordinate show"
    int m_nodeCoordinateRed;        // "node coordinate red"
    int m_nodeCoordinateGreen;      // "node coordinate green"
    int m_nodeCoordinateBlue;       // "node coordinate blue"
    int m_nodeNumberShow;           // "node number show"
    int m_nodeNumberRed;            // "node number red"
    int m_nodeNumberGreen;          // "node number green"
    int m_nodeNumberBlue;           // "node number blue"
    int m_nodeDisplacementShow;     // "node displacement show"
    int m_nodeDisplacementRed;      // "node displacement red"
    int m_nodeDisplacementGreen;    // "node displacement green"
    int m_nodeDisplacementBlue;     // "node displacement blue"
    int m_dispNumberShow;           // "disp number show"
    int m_dispNumberRed;            // "disp number red"
    int m_dispNumberGreen;          // "disp number green"
    int m_dispNumberBlue;           // "dsip number blue"
    int m_nodeFactor;               // "node factor"
    int m_dispFactor;               // "disp factor"
    int m_boundaryShow;             // "boundary show"

    // Node labels, indexed from 1 ("%d" of the row); entry 0 stays empty.
    std::vector<std::string> m_nodeLabels;
};
