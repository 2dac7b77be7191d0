// The kestra command line: `demo`, `solve`, `render`, `report` and `--help`. Parse
// turns the arguments into Options (or a usage error); Run parses and
// dispatches to the command workers, which tests may also call directly.
// Exit codes: 0 success, 1 the command failed, 2 bad arguments.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "ReportOptions.h"

class CGeometry;

class CommandLine {
public:
    enum class Command { None, Help, Demo, Solve, Render, Report };
    enum ExitCode { Success = 0, Failure = 1, Usage = 2 };

    struct Options {
        Command command = Command::None;
        std::string folder;        // demo: target folder
        std::string project;       // solve, render: path of the ".KTR" file
        std::string ini;           // --ini: settings file to use instead of the default
        // render
        std::string mode = "model"; // model, loads, disp, forces
        std::string component;      // Fx .. Mz; empty: the structure type's default
        int loadCase = 0;           // 0: the project's active load case
        int width = 1200;
        int height = 900;
        std::string output;
        bool quiet = false;         // solve, report: no progress line
        // report: what goes in; `output` is the PDF (default F + N + ".pdf")
        ReportOptions report;
    };

    // False with `error` set (one line, no program name) on a bad argument.
    static bool Parse(const std::vector<std::string>& args, Options& options, std::string& error);
    static std::string HelpText();

    // Parses and runs; messages go to out (results) and err (progress, errors).
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // Command workers.
    static int Demo(const std::string& folder, std::ostream& out, std::ostream& err);
    static int Solve(const std::string& projectFile, bool progress, std::ostream& out,
                     std::ostream& err);
    static int Render(const Options& options, std::ostream& out, std::ostream& err);
    static int Report(const Options& options, std::ostream& out, std::ostream& err);

    // Fills the display lists of `g` (model tables already read) for one
    // view: mode 0..3 (CGeometry's view modes), force component 1007..1012,
    // load case or result record k. False with `error` set.
    static bool PrepareView(CGeometry& g, int mode, int component, int k, std::string& error);

    // "Fx" .. "Mz" -> 1007 .. 1012, the view's force component; 0 otherwise.
    static int ComponentId(const std::string& name);
    // "model", "loads", "disp", "forces" -> view mode 0..3; -1 otherwise.
    static int ViewMode(const std::string& name);
};
