#include <gtest/gtest.h>

#include <sstream>

#include "CommandLine.h"

namespace {

using Options = CommandLine::Options;
using Command = CommandLine::Command;

bool Parse(std::vector<std::string> args, Options& o, std::string& error)
{
    return CommandLine::Parse(args, o, error);
}

TEST(CommandLineParse, ReadsEveryOptionWithItsDefaults)
{
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"demo"}, o, error));
    EXPECT_EQ(o.command, Command::Demo);
    EXPECT_EQ(o.folder, "kestra-demo");
    ASSERT_TRUE(Parse({"demo", "/tmp/x"}, o, error));
    EXPECT_EQ(o.folder, "/tmp/x");
    ASSERT_TRUE(Parse({"render", "P/F.KTR", "--mode", "forces", "--component", "My", "--case=2", "--size", "640x480",
                       "-o", "o.png"}, o, error)) << error;
    EXPECT_EQ(o.project + " " + o.mode + " " + o.component + " " + o.output, "P/F.KTR forces My o.png");
    EXPECT_EQ(std::vector<int>({o.loadCase, o.width, o.height}), std::vector<int>({2, 640, 480}));
    ASSERT_TRUE(Parse({"render", "F.KTR", "-o", "v.png"}, o, error));
    EXPECT_EQ(o.command, Command::Render);
    EXPECT_EQ(o.mode + " " + o.output, "model v.png");
    EXPECT_EQ(std::vector<int>({o.loadCase, o.width, o.height}), std::vector<int>({0, 1200, 900}));
    // Help wins anywhere; nothing means the window.
    ASSERT_TRUE(Parse({"render", "--help"}, o, error));
    EXPECT_EQ(o.command, Command::Help);
    ASSERT_TRUE(Parse({}, o, error));
    EXPECT_EQ(o.command, Command::None);
}

TEST(CommandLineParse, BadArgumentsAreNamed)
{
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const Case cases[] = {
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"demo", "a", "b"}, "demo takes at most one folder"},
        {{"solve"}, "solve needs exactly one project file (DIR/NAME.KTR)"},
        {{"solve", "a.KTR", "b.KTR"}, "solve needs exactly one project file (DIR/NAME.KTR)"},
        {{"render", "a.KTR"}, "render needs an output picture: -o FILE.png"},
        {{"render", "a.KTR", "-o"}, "option -o needs a value"},
        {{"render", "a.KTR", "--mode", "wire", "-o", "x.png"},
         "unknown view mode 'wire' (model, loads, disp or forces)"},
        {{"render", "a.KTR", "--mode", "forces", "--component", "Fw", "-o", "x.png"},
         "unknown force component 'Fw' (Fx, Fy, Fz, Mx, My or Mz)"},
        {{"render", "a.KTR", "--component", "Fx", "-o", "x.png"},
         "--component applies to --mode forces only"},
        {{"render", "a.KTR", "--case", "0", "-o", "x.png"},
         "load case must be a whole number of 1 or more, not '0'"},
        {{"render", "a.KTR", "--case", "2x", "-o", "x.png"},
         "load case must be a whole number of 1 or more, not '2x'"},
        {{"render", "a.KTR", "--size", "800", "-o", "x.png"},
         "size must be WIDTHxHEIGHT with 16 to 8192 pixels each, not '800'"},
        {{"render", "a.KTR", "--size", "10x10", "-o", "x.png"},
         "size must be WIDTHxHEIGHT with 16 to 8192 pixels each, not '10x10'"},
        {{"solve", "a.KTR", "--mode", "disp"}, "unknown option '--mode' for 'solve'"},
    };
    for (const Case& c : cases) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(c.args, o, error)) << c.args[0];
        EXPECT_EQ(error, c.error);
    }
}

TEST(CommandLineRun, UsageErrorsExitTwoWithAHintHelpDocumentsEveryCommandAndOption)
{
    std::ostringstream out, err;
    EXPECT_EQ(CommandLine::Run({"render", "a.KTR"}, out, err), CommandLine::Usage);
    EXPECT_EQ(err.str(), "kestra: render needs an output picture: -o FILE.png\nTry 'kestra --help'.\n");
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(CommandLine::Run({"--help"}, out, err), CommandLine::Success);
    for (const char* word : {"demo [DIR]", "solve DIR/NAME.KTR", "render DIR/NAME.KTR", "--mode",
                             "model|loads|disp|forces", "--component", "--case", "--size", "-o FILE.png",
                             "--ini", "KESTRA.INI", "Exit status"})
        EXPECT_NE(out.str().find(word), std::string::npos) << word;
}

} // namespace
