#include "DemoExports.h"

#include <QApplication>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/element/ElementPage4.h"
#include "tables/element/ElementPage5.h"
#include "tables/node/NodePage3.h"
#include "tables/node/NodePage4.h"
#include "tables/node/NodePage5.h"

namespace fs = std::filesystem;

namespace {

// Collects the boxes a page shows instead of showing them: a result page
// reports a missing result file with a box, which the demo turns into an
// error message.
class CollectMessages : public platform::MessageSink {
public:
    CollectMessages() : m_previous(platform::SetMessageSink(this)) {}
    ~CollectMessages() override { platform::SetMessageSink(m_previous); }
    int Show(const std::string& text, const std::string& caption, unsigned) override
    {
        if (!texts.empty())
            texts += "; ";
        texts += caption.empty() ? text : caption + ": " + text;
        return platform::IDOK;
    }
    std::string texts;

private:
    platform::MessageSink* m_previous;
};

std::vector<std::unique_ptr<ResultTablePage>> MakePages()
{
    std::vector<std::unique_ptr<ResultTablePage>> pages;
    pages.emplace_back(new CNodePage3);
    pages.emplace_back(new CNodePage4);
    pages.emplace_back(new CNodePage5);
    pages.emplace_back(new CElementPage4);
    pages.emplace_back(new CElementPage5);
    return pages;
}

} // namespace

bool DemoExports::Write(CGeometry& model, const std::string& projectFolder, int loadCases,
                        int combinations, std::ostream& log, std::string& error)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        error = "the result exports need a QApplication";
        return false;
    }
    // The exports are files for the user to open later: no viewer starts.
    platform::LaunchRecorder noViewer;
    const std::vector<std::string> files = {
        "displacement.txt",       "displacement.xls",       "NodeForce.txt", "NodeForce.xls",
        "Reaction.txt",           "Reaction.xls",           "MemberDisplacement.txt",
        "MemberDisplacement.xls", "MemberForce.txt",        "MemberForce.xls",
    };
    for (int k = 1; k <= loadCases + combinations; ++k) {
        {
            CProject project;
            project.GetActiveLoadCase() = k;
            project.Settings(true);
        }
        CollectMessages messages;
        for (const auto& page : MakePages()) {
            page->SetGeometry(&model);
            page->OnInitDialog();
            if (!messages.texts.empty() || !page->OnWord() || !page->OnExcel()) {
                error = messages.texts.empty() ? "cannot export the results of load case " + std::to_string(k)
                                               : messages.texts;
                return false;
            }
        }
        if (!messages.texts.empty()) {
            error = messages.texts;
            return false;
        }
        const fs::path caseFolder =
            fs::path(projectFolder) / (k <= loadCases ? "case" + std::to_string(k)
                                                      : "combination" + std::to_string(k - loadCases));
        std::error_code ec;
        fs::create_directories(caseFolder, ec);
        for (const std::string& file : files) {
            const fs::path from = fs::path(projectFolder) / file;
            const fs::path to = caseFolder / file;
            fs::rename(from, to, ec);
            if (ec) {
                error = "cannot move " + from.string() + " to " + to.string() + ": " + ec.message();
                return false;
            }
            log << to.string() << "\n";
        }
    }
    return true;
}
