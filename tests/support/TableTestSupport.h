// The fixture the table suites (node, element, loads) start from: a project
// in a temp folder with a model view, the message box and launch recorders,
// and helpers to build node and member tables, date reports and show a page
// or bar as the host would. Each suite adds its own helpers in a subclass.
#pragma once
#include "numerics/dMatrix.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "support/TempDir.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <array>
#include <ctime>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>

namespace testsupport {

class TableProject : public ::testing::Test {
protected:
    TempDir dir;
    platform::MessageRecorder messages;
    platform::LaunchRecorder launches;
    std::unique_ptr<CGeometry> geo;

    void SetUp() override
    {
        SetProject("Frame3D", 6, "m");
        geo = std::make_unique<CGeometry>();
    }
    void TearDown() override { ReportFrame::SetFixedTime(0); }

    void SetProject(const std::string& type, int dof, const std::string& length,
                    const std::string& force = "Kg")
    {
        using platform::Profile;
        Profile::WriteString("KESTRA ", "File location ", dir.Folder());
        Profile::WriteString("KESTRA ", "Project name ", "demo");
        Profile::WriteString("KESTRA ", "Element Type ", type);
        Profile::WriteString("KESTRA ", "DOF ", std::to_string(dof));
        Profile::WriteString("KESTRA ", "Current Length ", length);
        Profile::WriteString("KESTRA ", "Current Force ", force);
    }

    // Free nodes at the given points.
    static CdMatrix Nodes(std::initializer_list<std::array<double, 3>> points)
    {
        CdMatrix nodes(static_cast<int>(points.size()), 9);
        int i = 0;
        for (const auto& p : points) {
            ++i;
            for (int j = 1; j <= 3; ++j)
                nodes(i, j) = p[j - 1];
            for (int j = 4; j <= 9; ++j)
                nodes(i, j) = 1.0;
        }
        return nodes;
    }
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
    static CdMatrix Members(std::initializer_list<std::array<double, 2>> ends)
    {
        CdMatrix members(static_cast<int>(ends.size()), 8);
        int i = 0;
        for (const auto& e : ends) {
            ++i;
            members(i, 1) = e[0];
            members(i, 2) = e[1];
        }
        return members;
    }

    // Reports dated 4 December 2026, local noon.
    static std::time_t FixDate()
    {
        std::tm day {};
        day.tm_year = 126;
        day.tm_mon = 11;
        day.tm_mday = 4;
        day.tm_hour = 12;
        day.tm_isdst = -1;
        const std::time_t when = std::mktime(&day);
        ReportFrame::SetFixedTime(when);
        return when;
    }

    static void ShowActive(QWidget* widget, int width = 560, int height = 460)
    {
        widget->resize(width, height);
        widget->show();
        widget->activateWindow();
        (void)QTest::qWaitForWindowExposed(widget);
        (void)QTest::qWaitForWindowActive(widget);
        QApplication::processEvents();
    }
    // Puts the grid's cursor and selection on one cell and focuses the grid.
    static void GoTo(CMSFlexGrid* grid, long row, long col)
    {
        grid->SetRow(row);
        grid->SetCol(col);
        grid->SetRowSel(row);
        grid->SetColSel(col);
        grid->setFocus();
    }
};

// A page and its bar twin over the fixture's model view: OpenPage runs the
// page as the property sheet does, OpenBar creates the bar as the main
// window does; each is shown active and its grid focused.
template <class Base, class Page, class Bar>
class PageBarTable : public Base {
protected:
    std::unique_ptr<Page> page;
    std::unique_ptr<Bar> bar;

    CMSFlexGrid* OpenPage()
    {
        page = std::make_unique<Page>();
        page->SetGeometry(this->geo.get());
        page->EnsureInitialized();
        page->OnSetActive();
        this->ShowActive(page.get());
        page->Grid()->setFocus();
        return page->Grid();
    }
    CMSFlexGrid* OpenBar()
    {
        bar = std::make_unique<Bar>();
        bar->SetGeometry(this->geo.get());
        bar->Create();
        this->ShowActive(bar.get());
        bar->Grid()->setFocus();
        return bar->Grid();
    }
};

} // namespace testsupport
