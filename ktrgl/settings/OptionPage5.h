// Global view settings: ground grid and global axes, the grid and background
// colours, and the host's view scale, translation and rotation steps.
// CGeometry owns one (m_viewOptions); the global settings page edits it.
//
// Every value lives in section "OPTION" of KESTRA.INI. Keys() lists the
// group's keys in file order: LoadLibraryA reads them in that order and
// WriteSettings writes every one of them, in the same order, as "%d".
#pragma once
#include <array>

#include "settings/OptionKey.h"

class COptionPage5 {
public:
    static constexpr int KeyCount = 19;

    COptionPage5();   // every member at its default; the file is not read
    virtual ~COptionPage5();

    // Reads every key of the group (a missing key gives its default).
    void LoadLibraryA();
    // Writes every key of the group, changed or not.
    void WriteSettings() const;
    // Sets every member to its default.
    void ResetDefaults();

    static const std::array<OptionKey<COptionPage5>, KeyCount>& Keys();

    // Settings, in file order.
    int m_gridShow;                 // "grid show"
    int m_axisShow;                 // "axis show"
    int m_gridRed;                  // "grid red"
    int m_gridGreen;                // "grid green"
    int m_gridBlue;                 // "grid blue"
    int m_screenRed;                // "screen red"
    int m_screenGreen;              // "screen green"
    int m_screenBlue;               // "screen blue"
    int m_scaleAlongX;              // "scale along X"
    int m_scaleAlongY;              // "scale along Y"
    int m_scaleAlongZ;              // "scale along Z"
    int m_gridSubDivisionsX;        // "grid sub divisions X"
    int m_gridSubDivisionsZ;        // "grid sub divisions Z"
    int m_translateAlongX;          // "Translate along X"
    int m_translateAlongY;          // "Translate along Y"
    int m_translateAlongZ;          // "Translate along Z"
    int m_rotateAboutX;             // "Rotate about X"
    int m_rotateAboutY;             // "Rotate about Y"
    int m_rotateAboutZ;             // "Rotate about Z"
};
