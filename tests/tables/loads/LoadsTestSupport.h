// A project in a temp folder with a model view, the recorders for message
// boxes, launches and the debug trace, and helpers for node tables, case
// files and result record files.
#pragma once
#include "numerics/dMatrix.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "platform/Trace.h"
#include "project/Project.h"
#include "support/TempDir.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace loadstest {

class LoadsProject : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    platform::MessageRecorder messages;
    platform::LaunchRecorder launches;
    platform::TraceRecorder trace;
    std::unique_ptr<CGeometry> geo;

    void SetUp() override
    {
        SetProject("Frame3D", 6, "m", "Kg");
        geo = std::make_unique<CGeometry>();
    }
    void TearDown() override { ReportFrame::SetFixedTime(0); }

    void SetProject(const std::string& type, int dof, const std::string& length, const std::string& force)
    {
        using platform::Profile;
        Profile::WriteString("KESTRA ", "File location ", dir.Folder());
        Profile::WriteString("KESTRA ", "Project name ", "demo");
        Profile::WriteString("KESTRA ", "Element Type ", type);
        Profile::WriteString("KESTRA ", "DOF ", std::to_string(dof));
        Profile::WriteString("KESTRA ", "Current Length ", length);
        Profile::WriteString("KESTRA ", "Current Force ", force);
    }
    static void SetInt(const std::string& key, int value)
    {
        platform::Profile::WriteString("KESTRA ", key, std::to_string(value));
    }
    static int GetInt(const std::string& key) { return platform::Profile::GetInt("KESTRA ", key, -99); }

    // n free nodes along X: node i at (i, 0, 0).
    static CdMatrix Line(int n)
    {
        CdMatrix nodes(n, 9);
        for (int i = 1; i <= n; ++i) {
            nodes(i, 1) = i;
            for (int j = 4; j <= 9; ++j)
                nodes(i, j) = 1.0;
        }
        return nodes;
    }
    // Translations of node i restrained, rotations free.
    static void Pin(CdMatrix& nodes, int i)
    {
        for (int j = 4; j <= 6; ++j)
            nodes(i, j) = 0.0;
    }

    std::string CaseFile(int k) const { return dir.Folder() + "demo.lod" + std::to_string(k); }
    bool Exists(const std::string& path) const { return std::filesystem::exists(path); }
    // Case file k holding value at (1, 1) of a rows x cols matrix.
    void WriteCase(int k, int rows, int cols, double value) const
    {
        CdMatrix loads(rows, cols);
        loads(1, 1) = value;
        ASSERT_TRUE(loads.Save(CaseFile(k)));
    }
    static CdMatrix ReadMatrix(const std::string& path)
    {
        CdMatrix m;
        m.Load(path);
        return m;
    }

    // Reports dated 4 December 2026, local noon.
    static void FixDate()
    {
        std::tm day {};
        day.tm_year = 126;
        day.tm_mon = 11;
        day.tm_mday = 4;
        day.tm_hour = 12;
        day.tm_isdst = -1;
        ReportFrame::SetFixedTime(std::mktime(&day));
    }

    static void ShowActive(QWidget* widget)
    {
        widget->resize(600, 480);
        widget->show();
        widget->activateWindow();
        (void)QTest::qWaitForWindowExposed(widget);
        (void)QTest::qWaitForWindowActive(widget);
        QApplication::processEvents();
    }
    static void GoTo(CMSFlexGrid* grid, long row, long col)
    {
        grid->SetRow(row);
        grid->SetCol(col);
        grid->SetRowSel(row);
        grid->SetColSel(col);
        grid->setFocus();
    }
};

} // namespace loadstest
