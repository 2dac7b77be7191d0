// kestra: with a command (demo, solve, render, --help) it runs headless on
// the command line; without arguments it opens the desktop program.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "CommandLine.h"

namespace {

// The printf formats of tables, settings and reports always use the C
// numeric locale, whatever the application object set up.
void UseCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}

// The desktop program. Its main window is not part of this build yet, so
// the command line's help is shown instead.
int OpenMainWindow(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UseCNumericLocale();
    std::cout << CommandLine::HelpText();
    std::cout << "\nThe desktop window is not available in this build; use the commands above.\n";
    return CommandLine::Success;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return OpenMainWindow(argc, argv);

    // Headless commands need no display: an application object without a
    // platform plugin is enough for writing pictures.
    QCoreApplication app(argc, argv);
    UseCNumericLocale();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return CommandLine::Run(args, std::cout, std::cerr);
}
