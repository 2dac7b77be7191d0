// kestra: with a command (demo, solve, render, --help) it runs headless on
// the command line; without arguments, or with `open FILE.KTR`, it opens the
// desktop program.
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "CommandLine.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "GuiStartup.h"
#include "MainWindow.h"
#include "project/ModuleEntry.h"

namespace {

// The printf formats of tables, settings and reports always use the C
// numeric locale, whatever the application object set up.
void UseCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}

// The window's OpenGL view needs a real display: X11 or Wayland, and not
// Qt's offscreen or minimal platform.
bool DisplayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform) {
        const std::string name = platform;
        if (name.rfind("offscreen", 0) == 0 || name.rfind("minimal", 0) == 0)
            return false;
    }
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// The desktop program, optionally opening a project file at once.
int OpenMainWindow(int argc, char** argv, const std::string& projectFile)
{
    if (!DisplayAvailable()) {
        if (!projectFile.empty()) {
            std::cerr << "kestra: no display for the desktop window (DISPLAY and WAYLAND_DISPLAY are unset, "
                         "or an offscreen Qt platform is chosen)\n";
            return CommandLine::Failure;
        }
        std::cout << CommandLine::HelpText();
        std::cout << "\nNo display for the desktop window; use the commands above, or run kestra "
                     "under X11 or Wayland.\n";
        return CommandLine::Success;
    }
    GuiStartup::BeforeApplication();
    QApplication app(argc, argv);
    GuiStartup::AfterApplication();
    MainWindow window;
    window.show();
    if (!projectFile.empty()) {
        QString error;
        if (!window.OpenProject(QString::fromLocal8Bit(projectFile.c_str()), &error))
            QMessageBox::warning(&window, QObject::tr("Open project"), error);
    }
    return app.exec();
}

// The library is attached for the whole run (its registrations live, its
// trace says so) and detached on the way out, whichever way that is.
class LibraryModule {
public:
    LibraryModule() : m_attached(KtrglAttach() == 1) {}
    ~LibraryModule()
    {
        if (m_attached)
            KtrglDetach();
    }
    LibraryModule(const LibraryModule&) = delete;
    LibraryModule& operator=(const LibraryModule&) = delete;
    bool Attached() const { return m_attached; }

private:
    bool m_attached;
};

} // namespace

int main(int argc, char** argv)
{
    const LibraryModule library;
    if (!library.Attached()) {
        std::cerr << "kestra: the library cannot be attached\n";
        return CommandLine::Failure;
    }
    if (argc < 2)
        return OpenMainWindow(argc, argv, std::string());
    if (std::string(argv[1]) == "open") {
        if (argc > 3) {
            std::cerr << "kestra: open takes one project file\n";
            return CommandLine::Usage;
        }
        return OpenMainWindow(argc, argv, argc > 2 ? argv[2] : std::string());
    }

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args[0] == "demo") {
        // The demo's result exports come from the result pages, which are
        // widgets: they need a QApplication, on the offscreen platform so
        // that no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        UseCNumericLocale();
        return CommandLine::Run(args, std::cout, std::cerr);
    }
    if (args[0] == "report") {
        // The report's text needs fonts: a GUI application on the
        // offscreen platform.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        UseCNumericLocale();
        return CommandLine::Run(args, std::cout, std::cerr);
    }
    // The other headless commands need no display: an application object
    // without a platform plugin is enough for writing pictures.
    QCoreApplication app(argc, argv);
    UseCNumericLocale();
    return CommandLine::Run(args, std::cout, std::cerr);
}
