// Steps the window tests share: a project written into its own folder, the
// main window shown and active, a project opened, cells typed as a user does.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <filesystem>
#include <memory>
#include <sstream>

#include "DemoProjects.h"
#include "DockManager.h"
#include "MainWindow.h"
#include "ModelUndo.h"
#include "ModelViewWidget.h"
#include "platform/MessageBox.h"
#include "project/Project.h"
#include "support/TempDir.h"
#include "tables/MSFlexGrid.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/NodeBar1.h"
#include "view/Geometry.h"

namespace guitest {

using tablestest::Key;
using tablestest::Type;

// An empty "Frame3D" project in the given force unit and metres.
inline DemoProject Frame(const std::string& name, const std::string& forceUnit)
{
    DemoProject p;
    p.name = p.title = name;
    p.engineer = "test";
    p.elementType = "Frame3D";
    p.forceUnit = forceUnit;
    p.lengthUnit = "m";
    p.dof = 6;
    return p;
}

// Writes the project into dir/NAME/; returns its project file.
inline std::string Write(const testsupport::TempDir& dir, const DemoProject& p)
{
    std::ostringstream log;
    std::string error;
    const std::string folder = dir.Folder() + p.name + "/";
    EXPECT_TRUE(DemoProjects::Write(p, folder, log, error)) << error;
    return folder + p.name + ".KTR";
}

// The main window shown; when active, keys go to its focus widget.
inline std::unique_ptr<MainWindow> ShowWindow(bool active = true)
{
    auto window = std::make_unique<MainWindow>();
    window->resize(1280, 860);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (active) {
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
    }
    return window;
}

// Opens the project and waits until the view can draw it.
inline void Open(MainWindow& window, const std::string& project)
{
    QString error;
    ASSERT_TRUE(window.OpenProject(QString::fromStdString(project), &error)) << error.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return window.View()->ContextReady(); }, 10000));
    QTest::qWait(50);
}

inline std::unique_ptr<MainWindow> OpenWindow(const std::string& project, bool active = true)
{
    auto window = ShowWindow(active);
    Open(*window, project);
    return window;
}

// Clicks cell (row, col) of a grid as the user does.
inline void Click(CMSFlexGrid* grid, long row, long col)
{
    grid->scrollTo(grid->model()->index(int(row - 1), int(col - 1)));
    QApplication::processEvents();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, row, col));
}

// Clicks the cell, types the text and presses Enter.
inline void TypeInto(CMSFlexGrid* grid, long row, long col, const QString& text)
{
    Click(grid, row, col);
    Type(grid, text);
    Key(grid, Qt::Key_Return);
    QApplication::processEvents();
}

// Shows and raises a dock; returns the grid of its bar.
inline CMSFlexGrid* Show(MainWindow& window, const QString& dock)
{
    window.Docks()->Dock(dock)->show();
    window.Docks()->Dock(dock)->raise();
    QTest::qWait(30);
    return window.Docks()->Find(dock)->bar->findChild<CMSFlexGrid*>();
}

// Lets the undo history see the last edit and the document announce it.
inline void Settle(MainWindow& window)
{
    window.Undo()->Checkpoint();
    QTest::qWait(30);
}

// The model will not be saved: closing asks nothing.
inline void Discard(MainWindow& window)
{
    window.Geometry().m_modelChanged = window.Geometry().m_geometryChanged = false;
}

} // namespace guitest
