#include "CommandLine.h"

#include <cstdlib>
#include <sstream>

#include "platform/Profile.h"

namespace {

const char* const kComponents[] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
const char* const kModes[] = {"model", "loads", "disp", "forces"};

// Whole decimal number in [low, high]; false otherwise.
bool ParseInt(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (v < low || v > high)
        return false;
    value = int(v);
    return true;
}

bool ParseSize(const std::string& text, int& width, int& height)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    return ParseInt(text.substr(0, x), 16, 8192, width) &&
           ParseInt(text.substr(x + 1), 16, 8192, height);
}

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h" || arg == "help";
}

} // namespace

int CommandLine::ComponentId(const std::string& name)
{
    for (int i = 0; i < 6; ++i)
        if (name == kComponents[i])
            return 1007 + i;
    return 0;
}

int CommandLine::ViewMode(const std::string& name)
{
    for (int i = 0; i < 4; ++i)
        if (name == kModes[i])
            return i;
    return -1;
}

bool CommandLine::Parse(const std::vector<std::string>& args, Options& options, std::string& error)
{
    options = Options();
    if (args.empty())
        return true;
    for (const std::string& arg : args)
        if (IsHelp(arg)) {
            options.command = Command::Help;
            return true;
        }

    const std::string& verb = args[0];
    std::vector<std::string> positional;
    bool haveOutput = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Options that take a value, as "--opt value" or "--opt=value".
        std::string name = arg, value;
        bool inlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            const auto eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                inlineValue = true;
            }
        }
        auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        const bool renders = verb == "render";
        if (name == "--ini") {
            if (!takeValue())
                return false;
            options.ini = value;
        } else if (renders && name == "--mode") {
            if (!takeValue())
                return false;
            if (ViewMode(value) < 0) {
                error = "unknown view mode '" + value + "' (model, loads, disp or forces)";
                return false;
            }
            options.mode = value;
        } else if (renders && name == "--component") {
            if (!takeValue())
                return false;
            if (ComponentId(value) == 0) {
                error = "unknown force component '" + value + "' (Fx, Fy, Fz, Mx, My or Mz)";
                return false;
            }
            options.component = value;
        } else if (renders && name == "--case") {
            if (!takeValue())
                return false;
            if (!ParseInt(value, 1, 999999, options.loadCase)) {
                error = "load case must be a whole number of 1 or more, not '" + value + "'";
                return false;
            }
        } else if (renders && name == "--size") {
            if (!takeValue())
                return false;
            if (!ParseSize(value, options.width, options.height)) {
                error = "size must be WIDTHxHEIGHT with 16 to 8192 pixels each, not '" + value + "'";
                return false;
            }
        } else if (renders && (name == "-o" || name == "--output")) {
            if (!takeValue())
                return false;
            options.output = value;
            haveOutput = true;
        } else if (verb == "report" && name == "--cases") {
            if (!takeValue() || !ReportOptions::ParseCases(value, options.report.cases, error))
                return false;
        } else if (verb == "report" && name == "--sections") {
            if (!takeValue() || !options.report.ParseSections(value, error))
                return false;
        } else if (verb == "report" && name == "--paper") {
            if (!takeValue())
                return false;
            if (!ReportOptions::ParsePaper(value, options.report.paper)) {
                error = "paper must be A4 or Letter, not '" + value + "'";
                return false;
            }
        } else if (verb == "report" && name == "--picture-size") {
            if (!takeValue() || !options.report.ParsePictureSize(value, error))
                return false;
        } else if (verb == "report" && name == "--no-combinations" && !inlineValue) {
            options.report.combinations = false;
        } else if ((verb == "solve" || verb == "report") && (name == "--quiet" || name == "-q") && !inlineValue) {
            options.quiet = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "' for '" + verb + "'";
            return false;
        } else {
            positional.push_back(arg);
        }
    }

    if (verb == "demo") {
        if (positional.size() > 1) {
            error = "demo takes at most one folder";
            return false;
        }
        options.command = Command::Demo;
        options.folder = positional.empty() ? std::string("kestra-demo") : positional[0];
        return true;
    }
    if (verb == "report") {
        if (positional.empty() || positional.size() > 2) {
            error = "report needs a project file and at most one output (DIR/NAME.KTR [OUT.pdf])";
            return false;
        }
        options.project = positional[0];
        if (positional.size() == 2)
            options.output = positional[1];
        options.command = Command::Report;
        return true;
    }
    if (verb == "solve" || verb == "render") {
        if (positional.size() != 1) {
            error = verb + " needs exactly one project file (DIR/NAME.KTR)";
            return false;
        }
        options.project = positional[0];
        if (verb == "solve") {
            options.command = Command::Solve;
            return true;
        }
        if (!haveOutput || options.output.empty()) {
            error = "render needs an output picture: -o FILE.png";
            return false;
        }
        if (!options.component.empty() && options.mode != "forces") {
            error = "--component applies to --mode forces only";
            return false;
        }
        options.command = Command::Render;
        return true;
    }
    error = "unknown command '" + verb + "'";
    return false;
}

std::string CommandLine::HelpText()
{
    std::ostringstream s;
    s << "kestra - static analysis of 3D frames and trusses\n"
         "\n"
         "Usage:\n"
         "  kestra                    open the desktop program\n"
         "  kestra demo [DIR]         write, solve and render two sample projects\n"
         "  kestra solve DIR/NAME.KTR [--quiet]\n"
         "  kestra render DIR/NAME.KTR --mode model|loads|disp|forces [--component Fx..Mz]\n"
         "                [--case K] [--size WxH] -o FILE.png\n"
         "  kestra report DIR/NAME.KTR [OUT.pdf] [--cases LIST] [--sections LIST]\n"
         "                [--paper A4|Letter] [--picture-size WxH] [--no-combinations] [--quiet]\n"
         "  kestra --help\n"
         "\n"
         "demo [DIR]\n"
         "  Writes two sample projects into DIR (default ./kestra-demo), each in a\n"
         "  folder of its own: Building/Building.KTR, a three-storey steel frame of\n"
         "  3 x 2 bays (\"Frame3D\", fixed bases, load case 1 gravity: floor loads on\n"
         "  the beams and self weight, load case 2 wind along +X, two combinations),\n"
         "  and Bridge/Bridge.KTR, a Pratt truss bridge (\"Truss3D\", pinned and\n"
         "  roller bearings, one case of deck loads). Every project has its node\n"
         "  table NAME.nod (9 columns), member table NAME.ele (8 columns),\n"
         "  properties NAME.pro, release sets NAME.res and loads NAME.lod1 ...;\n"
         "  the building also member loads NAME.mld1 and combinations NAME.cmb.\n"
         "  Both are solved and rendered to PNG pictures beside them: NAME-model.png,\n"
         "  NAME-loads-K.png, NAME-disp-K.png and NAME-forces-C-K.png per load case K.\n"
         "  Each project's calculation report is written as NAME.pdf (see report).\n"
         "  The demo uses its own settings file DIR/KESTRA.INI, never yours. Every\n"
         "  file written is listed, then the largest displacement of each case.\n"
         "\n"
         "solve DIR/NAME.KTR\n"
         "  Opens the project file (it becomes the current project of the settings\n"
         "  file), reads NAME.nod and NAME.ele beside it and solves every load case\n"
         "  with the linear static solver, showing a progress bar on stderr (not\n"
         "  with --quiet), then every combination of NAME.cmb. Writes the result\n"
         "  files NAME.disn, NAME.sys, NAME.dise, NAME.elf, NAME.mfs (section forces\n"
         "  at 21 stations per member) and dcos, one record per load case and then\n"
         "  per combination, and prints the largest displacement of each. A\n"
         "  mechanism or a bad member is reported by the solver's message and the\n"
         "  exit status is 1; no results are left behind.\n"
         "\n"
         "render DIR/NAME.KTR --mode MODE -o FILE.png\n"
         "  Draws one view of the project headless (EGL, no display needed) with an\n"
         "  isometric camera fitted to the model and writes it as a PNG picture.\n"
         "    --mode model     nodes, members, numbers and supports (default)\n"
         "    --mode loads     the node loads of the load case\n"
         "    --mode disp      the displaced shape of the load case (needs a solution)\n"
         "    --mode forces    a member force diagram of the load case (needs a\n"
         "                     solution); --component Fx, Fy, Fz, Mx, My or Mz\n"
         "                     (default Mz for \"Frame3D\", Fx for \"Truss3D\")\n"
         "    --case K         load case K becomes the active load case (\"LOADS CASE\");\n"
         "                     default: the project's active load case\n"
         "    --size WxH       picture size in pixels (default 1200x900)\n"
         "    -o FILE.png      the picture to write\n"
         "  Colours, scales and what is shown come from section \"OPTION\" of the\n"
         "  settings file.\n"
         "\n"
         "report DIR/NAME.KTR [OUT.pdf]\n"
         "  Writes the calculation report of the project as one PDF (default\n"
         "  DIR/NAME.pdf): title block, model tables, the loads of every load case,\n"
         "  the results of every load case and load combination (largest\n"
         "  displacement, support reactions with the equilibrium check, member end\n"
         "  forces, pictures of the loads, the displaced shape and the force\n"
         "  diagrams) and a summary of the extreme values, all in the project's\n"
         "  units. Shows a progress line on stderr (not with --quiet).\n"
         "    --cases LIST         load cases to report, e.g. 1,3-5 (default all)\n"
         "    --sections LIST      sections to include of title, model, loads,\n"
         "                         results, summary, pictures (default all)\n"
         "    --paper A4|Letter    paper size (default A4)\n"
         "    --picture-size WxH   size of the pictures in millimetres (default 170x105)\n"
         "    --no-combinations    leave the load combinations out\n"
         "\n"
         "Options of every command:\n"
         "  --ini FILE        use FILE as the settings file KESTRA.INI for this run\n"
         "\n"
         "Settings file: $KESTRA_INI when set, else $XDG_CONFIG_HOME/kestra/KESTRA.INI\n"
         "(by default ~/.config/kestra/KESTRA.INI). Opening a project makes it the\n"
         "current project there, as the desktop program does.\n"
         "\n"
         "Exit status: 0 success, 1 the command failed, 2 bad arguments.\n";
    return s.str();
}

int CommandLine::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    std::string error;
    if (!Parse(args, options, error)) {
        err << "kestra: " << error << "\nTry 'kestra --help'.\n";
        return Usage;
    }
    if (!options.ini.empty())
        setenv("KESTRA_INI", options.ini.c_str(), 1);
    const unsigned failedBefore = platform::Profile::FailedWrites();
    int status = Usage;
    switch (options.command) {
    case Command::None:
    case Command::Help:
        out << HelpText();
        return Success;
    case Command::Demo:
        status = Demo(options.folder, out, err);
        break;
    case Command::Solve:
        status = Solve(options.project, !options.quiet, out, err);
        break;
    case Command::Render:
        status = Render(options, out, err);
        break;
    case Command::Report:
        status = Report(options, out, err);
        break;
    }
    // The commands keep the current project and its state in the settings
    // file, as the desktop program does: a run that could not record them
    // did not finish its work.
    if (platform::Profile::FailedWrites() != failedBefore) {
        err << "kestra: the settings file " << platform::Profile::FilePath()
            << " could not be written\n";
        if (status == Success)
            status = Failure;
    }
    return status;
}
