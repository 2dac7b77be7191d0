#include "ReportWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "ProjectFiles.h"
#include "ReportDocument.h"
#include "ReportMemberLoads.h"
#include "ReportModel.h"
#include "ReportPictures.h"
#include "ReportTable.h"
#include "ReportUnits.h"
#include "view/Geometry.h"

#ifndef KESTRA_VERSION
#define KESTRA_VERSION "0.1"
#endif

namespace fs = std::filesystem;

namespace {

const char* const kNodeForceNames[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
const char* const kDispNames[6] = {"Ux", "Uy", "Uz", "Rx", "Ry", "Rz"};
// Member end forces in local axes, as the solver writes them.
const char* const kMemberForceNames[6] = {"P", "V2", "V3", "T", "M2", "M3"};
// The view's force diagram of member force column j.
const char* const kDiagramNames[6] = {"Fx (axial force P)", "Fy (shear V2)", "Fz (shear V3)",
                                      "Mx (torsion T)", "My (moment M2)", "Mz (moment M3)"};

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Today()
{
    const std::time_t now = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d", std::localtime(&now));
    return text;
}

// Largest and smallest value of one quantity over all reported cases, with
// where they occur.
struct Extreme {
    Extreme() = default;
    Extreme(std::string n, std::string u) : name(std::move(n)), unit(std::move(u)) {}
    std::string name, unit;
    double largest = 0, smallest = 0;
    std::string largestAt, smallestAt;
    bool any = false;
    void Take(double value, const std::string& at)
    {
        if (!std::isfinite(value))
            return;
        if (!any || value > largest) {
            largest = value;
            largestAt = at;
        }
        if (!any || value < smallest) {
            smallest = value;
            smallestAt = at;
        }
        any = true;
    }
};

} // namespace

// One report being written: the model, the document, the pictures, the
// progress and the extremes gathered for the summary.
class ReportWriter::Run {
public:
    Run(ReportWriter& owner, const ReportOptions& options) : m_owner(owner), m_options(options) {}

    bool Write(const std::string& path, std::string& error);

private:
    bool Step(double work, const std::string& stage);
    void PlanWork();
    void TitleBlock();
    bool ModelSection();
    bool LoadSection();
    bool MemberLoadTable(int record);
    bool ResultSection();
    void SummarySection();
    bool ResultsOf(int record, bool print);
    void Equilibrium(int record, const CdMatrix& nodeForces, const std::string& label);
    void PicturePage(int mode, int component, int k, const std::string& caption);
    std::string Short(int record) const;

    ReportWriter& m_owner;
    const ReportOptions& m_options;
    ReportModel m_model;
    ReportUnits m_units;
    std::unique_ptr<ReportDocument> m_doc;
    std::unique_ptr<ReportPictures> m_pictures;
    bool m_picturesOk = false;
    std::vector<int> m_records; // load cases, then combinations, to report
    double m_totalWork = 1, m_doneWork = 0, m_pictureWork = 1;
    std::string m_stage;
    int m_lastPercent = -1;
    std::vector<Extreme> m_displacement, m_reaction, m_memberForce;
    Extreme m_translation;
    int m_section = 0;
};

std::string ReportWriter::DefaultPath()
{
    return ProjectFiles::ProjectPath(".pdf");
}

bool ReportWriter::Write(const std::string& path, std::string& error)
{
    m_cancelled = false;
    m_pages = 0;
    m_warnings.clear();
    Run run(*this, m_options);
    return run.Write(path, error);
}

bool ReportWriter::Run::Step(double work, const std::string& stage)
{
    m_doneWork += work;
    if (!m_owner.m_progress)
        return true;
    const int percent = int(1000 * std::min(1.0, m_doneWork / m_totalWork));
    if (percent == m_lastPercent && stage == m_stage)
        return true;
    m_lastPercent = percent;
    m_stage = stage;
    if (!m_owner.m_progress(percent / 1000.0, stage)) {
        m_owner.m_cancelled = true;
        return false;
    }
    return true;
}

std::string ReportWriter::Run::Short(int record) const
{
    return record <= m_model.loadCases ? "LC " + std::to_string(record)
                                       : "C " + std::to_string(record - m_model.loadCases);
}

void ReportWriter::Run::PlanWork()
{
    const double n = m_model.NodeCount(), e = m_model.MemberCount();
    // A picture costs about as much as drawing a third of the model's rows.
    m_pictureWork = std::max(200.0, (n + e) / 3);
    const double pictures = m_options.pictures ? 1 : 0;
    double work = 0;
    if (m_options.title)
        work += pictures * m_pictureWork;
    if (m_options.model)
        work += n + 2 * e + m_model.properties.GetRows() + m_model.releases.GetRows();
    if (m_options.loads)
        work += m_records.size() * (n / 4 + pictures * m_pictureWork);
    if (m_options.results || m_options.summary)
        work += m_records.size() * (n / 2 + e);
    if (m_options.results)
        work += m_records.size() * (2 * e + pictures * (1 + m_model.dof) * m_pictureWork);
    m_totalWork = std::max(1.0, work);
}

bool ReportWriter::Run::Write(const std::string& path, std::string& error)
{
    if (!m_model.Read(error))
        return false;
    {
        CGeometry geometry;
        m_units = ReportUnits::FromGeometry(geometry);
    }
    for (int k : m_options.cases)
        if (k > m_model.loadCases) {
            error = "load case " + std::to_string(k) + " does not exist; the project has " +
                    std::to_string(m_model.loadCases) + " load case(s)";
            return false;
        }
    for (int k = 1; k <= m_model.loadCases; ++k)
        if (m_options.HasCase(k))
            m_records.push_back(k);
    if (m_options.combinations)
        for (int c = 1; c <= m_model.combinations; ++c)
            m_records.push_back(m_model.loadCases + c);
    PlanWork();

    // Written under a temporary name, renamed when complete.
    const std::string part = path + ".part";
    std::error_code ec;
    fs::remove(part, ec);
    m_doc = std::make_unique<ReportDocument>(
        part, m_options.paper == ReportOptions::Paper::Letter ? ReportDocument::Paper::Letter : ReportDocument::Paper::A4,
        m_model.name + " - " + m_model.title, "Calculation report, " + Today());
    if (!m_doc->IsOpen()) {
        error = "cannot write the report " + path;
        return false;
    }
    if (m_options.pictures) {
        const int w = int(std::lround(m_options.pictureWidthMm / 25.4 * m_options.dpi));
        const int h = int(std::lround(m_options.pictureHeightMm / 25.4 * m_options.dpi));
        m_pictures = std::make_unique<ReportPictures>(w, h);
        std::string why;
        m_picturesOk = m_pictures->Open(why);
        if (!m_picturesOk)
            m_owner.m_warnings += "no pictures: " + why + "\n";
    }

    bool ok = Step(0, "title");
    if (ok && m_options.title)
        TitleBlock();
    ok = ok && (!m_options.model || ModelSection());
    ok = ok && (!m_options.loads || LoadSection());
    ok = ok && ((!m_options.results && !m_options.summary) || ResultSection());
    if (ok && m_options.summary)
        SummarySection();
    const bool finished = m_doc->Finish();
    m_owner.m_pages = m_doc->PageCount();
    m_doc.reset();
    m_pictures.reset();
    if (!ok || !finished) {
        fs::remove(part, ec);
        error = m_owner.m_cancelled ? "the report was cancelled" : "cannot write the report " + path;
        return false;
    }
    fs::rename(part, path, ec);
    if (ec) {
        fs::remove(part, ec);
        error = "cannot write the report " + path;
        return false;
    }
    Step(0, "done");
    return true;
}

void ReportWriter::Run::TitleBlock()
{
    const ReportModel& m = m_model;
    m_doc->NewPage();
    m_doc->Space(30);
    m_doc->Title("Calculation report");
    m_doc->Paragraph(m.title, true);
    m_doc->Space(14);
    m_doc->Field("Project", m.name);
    m_doc->Field("Title", m.title);
    m_doc->Field("Structural engineer", m.engineer);
    m_doc->Field("Date", Today());
    m_doc->Field("Program", std::string("KESTRA ") + KESTRA_VERSION);
    m_doc->Field("Project file", m.projectFile);
    m_doc->Field("Structure type", m.elementType + (m.IsFrame() ? " (space frame, 6 DOF per node)"
                                                                 : " (space truss, 3 DOF per node)"));
    m_doc->Field("Units", "length " + m_units.lengthUnit + ", force " + m_units.forceUnit + ", moment " +
                              m_units.momentUnit + ", stress " + m_units.stressUnit + ", rotation rad");
    int supports = 0;
    for (int i = 1; i <= m.NodeCount(); ++i)
        supports += m.IsSupported(i) ? 1 : 0;
    m_doc->Field("Nodes", std::to_string(m.NodeCount()) + " (" + std::to_string(supports) + " supported)");
    m_doc->Field("Members", std::to_string(m.MemberCount()));
    m_doc->Field("Property groups", std::to_string(m.properties.GetRows()));
    m_doc->Field("Release sets", std::to_string(m.releases.GetRows()));
    m_doc->Field("Load cases", std::to_string(m.loadCases));
    m_doc->Field("Load combinations", std::to_string(m.combinations));
    m_doc->Field("Results", m.solved ? "linear static analysis, results of every load case" : m.resultsNote);
    std::string cases;
    for (int r : m_records)
        cases += (cases.empty() ? "" : ", ") + Short(r);
    m_doc->Field("Reported", cases.empty() ? "no load case" : cases);
    if (m_options.pictures && m_picturesOk && !m_pictures->Labelled())
        m_doc->Field("Pictures", "without node, member and load numbers (more than " +
                                     std::to_string(ReportPictures::kLabelledNodes) + " nodes); the tables give them");
    if (m_options.pictures) {
        m_doc->Space(10);
        PicturePage(CGeometry::ModeModel, 0, 1, "The model: nodes, members and supports");
    }
}

void ReportWriter::Run::PicturePage(int mode, int component, int k, const std::string& caption)
{
    if (!m_options.pictures)
        return;
    QImage image;
    if (m_picturesOk) {
        std::string why;
        image = m_pictures->Draw(mode, component, k, why);
        if (image.isNull())
            m_owner.m_warnings += caption + ": " + why + "\n";
    }
    m_doc->Picture(image, m_options.pictureWidthMm, m_options.pictureHeightMm, caption);
    Step(m_pictureWork, m_stage);
}

bool ReportWriter::Run::ModelSection()
{
    const ReportModel& m = m_model;
    const ReportUnits& u = m_units;
    const std::string S = std::to_string(++m_section);
    m_doc->Heading(1, S + " Model");
    auto tick = [this](const char* stage) { return [this, stage](int) { return Step(1, stage); }; };

    m_doc->Heading(2, S + ".1 Nodes");
    ReportTable nodes;
    nodes.AddColumn("Node", "", ReportTable::Kind::Integer);
    nodes.AddColumn("X", u.lengthUnit, ReportTable::Kind::Number);
    nodes.AddColumn("Y", u.lengthUnit, ReportTable::Kind::Number);
    nodes.AddColumn("Z", u.lengthUnit, ReportTable::Kind::Number);
    nodes.AddColumn("Support", "", ReportTable::Kind::Text);
    for (int i = 1; i <= m.NodeCount(); ++i) {
        nodes.NewRow();
        nodes.AddInteger(i);
        for (int j = 1; j <= 3; ++j)
            nodes.AddNumber(u.Length(m.nodes(i, j)));
        nodes.AddText(m.SupportText(i));
    }
    if (!m_doc->Table(nodes, tick("nodes")))
        return false;

    m_doc->Heading(2, S + ".2 Members");
    ReportTable members;
    members.AddColumn("Member", "", ReportTable::Kind::Integer);
    members.AddColumn("Start node", "", ReportTable::Kind::Integer);
    members.AddColumn("End node", "", ReportTable::Kind::Integer);
    members.AddColumn("Property", "", ReportTable::Kind::Integer);
    members.AddColumn("Release set", "", ReportTable::Kind::Integer);
    members.AddColumn("Length", u.lengthUnit, ReportTable::Kind::Number);
    for (int e = 1; e <= m.MemberCount(); ++e) {
        members.NewRow();
        members.AddInteger(e);
        for (int j : {1, 2, 7, 8})
            members.AddInteger((long long)m.members(e, j));
        members.AddNumber(u.Length(m.MemberLength(e)));
    }
    if (!m_doc->Table(members, tick("members")))
        return false;

    m_doc->Heading(2, S + ".3 Properties");
    m_doc->Paragraph("E modulus of elasticity, A area, G shear modulus, I1 torsion constant, I2 and I3 second "
                     "moments of area about the member's local axes 2 and 3.");
    ReportTable props;
    props.AddColumn("Group", "", ReportTable::Kind::Integer);
    props.AddColumn("E", u.stressUnit, ReportTable::Kind::Number);
    props.AddColumn("A", u.areaUnit, ReportTable::Kind::Number);
    props.AddColumn("G", u.stressUnit, ReportTable::Kind::Number);
    props.AddColumn("I1", u.inertiaUnit, ReportTable::Kind::Number);
    props.AddColumn("I2", u.inertiaUnit, ReportTable::Kind::Number);
    props.AddColumn("I3", u.inertiaUnit, ReportTable::Kind::Number);
    for (int g = 1; g <= m.properties.GetRows(); ++g) {
        props.NewRow();
        props.AddInteger(g);
        props.AddNumber(u.Stress(m.properties(g, 1)));
        props.AddNumber(u.Area(m.properties(g, 2)));
        props.AddNumber(u.Stress(m.properties(g, 3)));
        for (int j = 4; j <= 6; ++j)
            props.AddNumber(u.Inertia(m.properties(g, j)));
    }
    if (props.Rows() == 0)
        m_doc->Paragraph("The project has no property groups.");
    else if (!m_doc->Table(props, tick("properties")))
        return false;

    m_doc->Heading(2, S + ".4 Member end releases");
    m_doc->Paragraph("Degrees of freedom released at each end of a member, in the member's local axes "
                     "(u1 u2 u3 translations, r1 r2 r3 rotations); all others are connected.");
    static const char* const dofNames[6] = {"u1", "u2", "u3", "r1", "r2", "r3"};
    ReportTable rel;
    rel.AddColumn("Set", "", ReportTable::Kind::Integer);
    rel.AddColumn("Start end", "", ReportTable::Kind::Text);
    rel.AddColumn("Far end", "", ReportTable::Kind::Text);
    rel.AddColumn("Members", "", ReportTable::Kind::Integer);
    for (int s = 1; s <= m.releases.GetRows(); ++s) {
        rel.NewRow();
        rel.AddInteger(s);
        for (int end = 0; end < 2; ++end) {
            std::string text;
            for (int j = 1; j <= 6; ++j)
                if (m.releases(s, 6 * end + j) == 0)
                    text += (text.empty() ? "" : " ") + std::string(dofNames[j - 1]);
            rel.AddText(text.empty() ? "connected" : text);
        }
        long long users = 0;
        for (int e = 1; e <= m.MemberCount(); ++e)
            users += int(m.members(e, 8)) == s ? 1 : 0;
        rel.AddInteger(users);
    }
    if (rel.Rows() == 0)
        m_doc->Paragraph("The project has no release sets.");
    else if (!m_doc->Table(rel, tick("releases")))
        return false;

    m_doc->Heading(2, S + ".5 Reference points");
    ReportTable refs;
    refs.AddColumn("Member", "", ReportTable::Kind::Integer);
    refs.AddColumn("X", u.lengthUnit, ReportTable::Kind::Number);
    refs.AddColumn("Y", u.lengthUnit, ReportTable::Kind::Number);
    refs.AddColumn("Z", u.lengthUnit, ReportTable::Kind::Number);
    for (int e = 1; e <= m.MemberCount(); ++e) {
        if (m.members(e, 4) == 0 && m.members(e, 5) == 0 && m.members(e, 6) == 0)
            continue;
        refs.NewRow();
        refs.AddInteger(e);
        for (int j = 4; j <= 6; ++j)
            refs.AddNumber(u.Length(m.members(e, j)));
    }
    const int others = m.MemberCount() - refs.Rows();
    if (refs.Rows() > 0 && !m_doc->Table(refs, tick("reference points")))
        return false;
    if (others > 0)
        m_doc->Paragraph(refs.Rows() == 0 ? "Every member has the reference point (0, 0, 0)."
                                          : std::to_string(others) + " other member(s) have the reference point (0, 0, 0).");
    return Step(m.MemberCount() - refs.Rows(), "model");
}

bool ReportWriter::Run::LoadSection()
{
    const ReportModel& m = m_model;
    const ReportUnits& u = m_units;
    const int dof = m.dof;
    const std::string S = std::to_string(++m_section);
    m_doc->Heading(1, S + " Loads");
    int sub = 0;
    for (int record : m_records) {
        const std::string stage = "loads of " + m.CaseName(record);
        m_doc->Heading(2, S + "." + std::to_string(++sub) + " " + m.CaseName(record));
        if (record > m.loadCases && m.combinationFactors.GetCols() == m.loadCases) {
            const int c = record - m.loadCases;
            std::string text;
            for (int k = 1; k <= m.loadCases; ++k)
                if (m.combinationFactors(c, k) != 0)
                    text += (text.empty() ? "" : " + ") + Format("%g", m.combinationFactors(c, k)) + " x LC " +
                            std::to_string(k);
            m_doc->Paragraph(m.CaseName(record) + " = " + (text.empty() ? "0" : text));
        }
        CdMatrix loads;
        std::string why;
        if (!m.ReadLoads(record, loads, why)) {
            m_doc->Paragraph("Loads not available: " + why);
            if (!Step(m.NodeCount() / 4.0, stage))
                return false;
            continue;
        }
        ReportTable table;
        table.AddColumn("Node", "", ReportTable::Kind::Integer);
        for (int j = 1; j <= dof; ++j)
            table.AddColumn(kNodeForceNames[j - 1], u.NodeForceUnit(j), ReportTable::Kind::Number);
        double sum[6] = {0, 0, 0, 0, 0, 0};
        for (int i = 1; i <= m.NodeCount(); ++i) {
            bool any = false;
            for (int j = 1; j <= dof; ++j)
                any = any || loads(i, j) != 0;
            if (!any)
                continue;
            table.NewRow();
            table.AddInteger(i);
            for (int j = 1; j <= dof; ++j) {
                table.AddNumber(u.NodeForce(j, loads(i, j)));
                sum[j - 1] += loads(i, j);
            }
        }
        if (table.Rows() == 0)
            m_doc->Paragraph("No node loads.");
        else {
            table.NewRow();
            table.AddText("Sum");
            for (int j = 1; j <= dof; ++j)
                table.AddNumber(u.NodeForce(j, sum[j - 1]));
            if (!m_doc->Table(table))
                return false;
        }
        if (!MemberLoadTable(record))
            return false;
        if (!Step(m.NodeCount() / 4.0, stage))
            return false;
        if (record <= m.loadCases)
            PicturePage(CGeometry::ModeLoads, 0, record, "Loads of " + m.CaseName(record));
        if (m_owner.m_cancelled)
            return false;
    }
    return true;
}

// The member loads of a load case, in project units: a force per length
// (uniform, linear), a force (concentrated) or a weight per volume (self
// weight), so w1 and w2 carry their unit on each row. A combination names
// the cases its member loads come from.
bool ReportWriter::Run::MemberLoadTable(int record)
{
    const ReportModel& m = m_model;
    const ReportUnits& u = m_units;
    if (record > m.loadCases) {
        if (m.combinationFactors.GetCols() != m.loadCases)
            return true;
        std::string cases;
        for (int k = 1; k <= m.loadCases; ++k)
            if (m.combinationFactors(record - m.loadCases, k) != 0 && m.memberLoads.Table(k).GetRows() > 0)
                cases += (cases.empty() ? "" : ", ") + Short(k);
        if (!cases.empty())
            m_doc->Paragraph("Member loads: those of " + cases + ", times their factors.");
        return true;
    }
    const CdMatrix& loads = m.memberLoads.Table(record);
    if (loads.GetRows() == 0) {
        m_doc->Paragraph("No member loads.");
        return true;
    }
    m_doc->Paragraph("Member loads (a, b from the start node; w1 at a, w2 at b; self weight per unit volume "
                     "times the member's area):");
    ReportTable table;
    table.AddColumn("Member", "", ReportTable::Kind::Integer);
    table.AddColumn("Kind", "", ReportTable::Kind::Text);
    table.AddColumn("Direction", "", ReportTable::Kind::Text);
    table.AddColumn("a", u.lengthUnit, ReportTable::Kind::Number);
    table.AddColumn("b", u.lengthUnit, ReportTable::Kind::Number);
    table.AddColumn("w1", "", ReportTable::Kind::Figure);
    table.AddColumn("w2", "", ReportTable::Kind::Figure);
    table.AddColumn("Unit", "", ReportTable::Kind::Text);
    // Four significant digits of the row's larger value.
    auto figure = [](double v, double other = 0) {
        return ReportTable::FormatNumber(v, std::max(std::fabs(v), std::fabs(other)));
    };
    for (int row = 1; row <= loads.GetRows(); ++row) {
        const int kind = int(loads(row, 2));
        table.NewRow();
        table.AddInteger((long long)loads(row, 1));
        table.AddText(ReportMemberLoads::KindName(kind));
        table.AddText(ReportMemberLoads::DirectionName(int(loads(row, 3))));
        // Uniform loads and self weight cover the whole member; a
        // concentrated force acts at a alone.
        const bool span = kind == 2, point = kind == 3;
        if (span || point)
            table.AddNumber(u.Length(loads(row, 4)));
        else
            table.AddText("");
        if (span)
            table.AddNumber(u.Length(loads(row, 5)));
        else
            table.AddText("");
        const double w1 = loads(row, 6), w2 = loads(row, 7);
        if (kind == 4) {
            table.AddText(figure(u.UnitWeight(w1)));
            table.AddText("");
            table.AddText(u.UnitWeightUnit());
        } else if (point) {
            table.AddText(figure(u.Force(w1)));
            table.AddText("");
            table.AddText(u.forceUnit);
        } else {
            table.AddText(figure(u.LineLoad(w1), span ? u.LineLoad(w2) : 0));
            table.AddText(span ? figure(u.LineLoad(w2), u.LineLoad(w1)) : "");
            table.AddText(u.LineLoadUnit());
        }
    }
    return m_doc->Table(table);
}

bool ReportWriter::Run::ResultSection()
{
    const ReportModel& m = m_model;
    if (!m.solved) {
        if (m_options.results) {
            m_doc->Heading(1, std::to_string(++m_section) + " Results");
            m_doc->Paragraph(m.resultsNote);
        }
        return true;
    }
    for (int j = 1; j <= m.dof; ++j) {
        m_displacement.push_back(Extreme{std::string("Displacement ") + kDispNames[j - 1], m_units.DisplacementUnit(j)});
        m_reaction.push_back(Extreme{std::string("Reaction ") + kNodeForceNames[j - 1], m_units.NodeForceUnit(j)});
    }
    for (int j = 1; j <= m.dof; ++j)
        m_memberForce.push_back(Extreme{std::string("Member ") + kMemberForceNames[j - 1],
                                        j <= 3 ? m_units.forceUnit : m_units.momentUnit});
    m_translation = Extreme{"Displacement |U|", m_units.lengthUnit};
    if (m_options.results)
        m_doc->Heading(1, std::to_string(++m_section) + " Results");
    for (int record : m_records)
        if (!ResultsOf(record, m_options.results))
            return false;
    return true;
}

void ReportWriter::Run::Equilibrium(int record, const CdMatrix& nodeForces, const std::string& label)
{
    const ReportModel& m = m_model;
    const ReportUnits& u = m_units;
    CdMatrix loads;
    std::string why;
    if (!m.AppliedLoads(record, loads, why)) {
        m_doc->Paragraph("Equilibrium not checked: " + why);
        return;
    }
    // Resultant forces and moments about the origin of the applied loads
    // (node loads and the equivalent nodal loads of member loads) and of the
    // reactions (the solver's node forces at restrained DOFs).
    double applied[6] = {0, 0, 0, 0, 0, 0}, reactions[6] = {0, 0, 0, 0, 0, 0};
    for (int i = 1; i <= m.NodeCount(); ++i) {
        double p[6], r[6];
        for (int j = 1; j <= 6; ++j) {
            p[j - 1] = j <= m.dof ? loads(i, j) : 0.0;
            r[j - 1] = j <= m.dof && m.IsRestrained(i, j) ? nodeForces(i, j) : 0.0;
        }
        const double x = m.nodes(i, 1), y = m.nodes(i, 2), z = m.nodes(i, 3);
        for (double* f : {p, r}) {
            double* sum = f == p ? applied : reactions;
            sum[0] += f[0];
            sum[1] += f[1];
            sum[2] += f[2];
            sum[3] += y * f[2] - z * f[1] + f[3];
            sum[4] += z * f[0] - x * f[2] + f[4];
            sum[5] += x * f[1] - y * f[0] + f[5];
        }
    }
    ReportTable table;
    table.AddColumn(label, "", ReportTable::Kind::Text);
    for (int j = 1; j <= 6; ++j)
        table.AddColumn(std::string("Sum ") + kNodeForceNames[j - 1], u.NodeForceUnit(j), ReportTable::Kind::Number);
    double scaleF = 0, scaleM = 0, residualF = 0, residualM = 0;
    for (int j = 0; j < 6; ++j) {
        const double res = applied[j] + reactions[j];
        double& scale = j < 3 ? scaleF : scaleM;
        double& residual = j < 3 ? residualF : residualM;
        scale = std::max({scale, std::fabs(applied[j]), std::fabs(reactions[j])});
        residual = std::max(residual, std::fabs(res));
    }
    const char* rows[3] = {"Applied loads", "Reactions", "Residual"};
    for (int row = 0; row < 3; ++row) {
        table.NewRow();
        table.AddText(rows[row]);
        for (int j = 0; j < 6; ++j) {
            const double v = row == 0 ? applied[j] : row == 1 ? reactions[j] : applied[j] + reactions[j];
            table.AddNumber(u.NodeForce(j + 1, v));
        }
    }
    table.ChopNoise();
    m_doc->Table(table);
    const double relative = std::max(scaleF > 0 ? residualF / scaleF : residualF, scaleM > 0 ? residualM / scaleM : residualM);
    m_doc->Paragraph("Equilibrium: residual force " + Format("%.3g", u.Force(residualF)) + " " + u.forceUnit +
                         ", residual moment " + Format("%.3g", u.Moment(residualM)) + " " + u.momentUnit +
                         " about the origin; relative residual " + Format("%.2g", relative) +
                         (relative < 1e-6 ? " (in equilibrium)" : " (NOT in equilibrium)"),
                     relative >= 1e-6);
}

bool ReportWriter::Run::ResultsOf(int record, bool print)
{
    const ReportModel& m = m_model;
    const ReportUnits& u = m_units;
    const int dof = m.dof, n = m.NodeCount(), members = m.MemberCount();
    const std::string stage = "results of " + m.CaseName(record);
    ReportModel::Results r;
    std::string why;
    if (!m.ReadResults(record, r, why)) {
        if (print) {
            m_doc->Heading(2, m.CaseName(record));
            m_doc->Paragraph("Results not available: " + why);
        }
        return Step(n / 2.0 + members, stage);
    }
    const std::string where = Short(record);

    // Largest translation and the extremes of every column.
    int worst = 0;
    double largest = -1;
    for (int i = 1; i <= n; ++i) {
        const double d = std::sqrt(r.displacements(i, 1) * r.displacements(i, 1) + r.displacements(i, 2) * r.displacements(i, 2) +
                                   r.displacements(i, 3) * r.displacements(i, 3));
        if (d > largest) {
            largest = d;
            worst = i;
        }
        const std::string at = "node " + std::to_string(i) + ", " + where;
        for (int j = 1; j <= dof; ++j) {
            m_displacement[std::size_t(j - 1)].Take(u.Displacement(j, r.displacements(i, j)), at);
            if (m.IsRestrained(i, j))
                m_reaction[std::size_t(j - 1)].Take(u.NodeForce(j, r.nodeForces(i, j)), at);
        }
    }
    if (worst > 0)
        m_translation.Take(u.Length(largest), "node " + std::to_string(worst) + ", " + where);
    bool nonZero[6] = {false, false, false, false, false, false};
    double forceMax = 0, momentMax = 0, size = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= 3; ++j)
            size = std::max(size, std::fabs(m.nodes(i, j)));
    for (int e = 1; e <= members; ++e)
        for (int end = 0; end < 2; ++end) {
            const std::string at = "member " + std::to_string(e) + (end ? " end, " : " start, ") + where;
            for (int j = 1; j <= dof; ++j) {
                const double v = r.memberForces(e, end * dof + j);
                (j <= 3 ? forceMax : momentMax) = std::max(j <= 3 ? forceMax : momentMax, std::fabs(v));
                m_memberForce[std::size_t(j - 1)].Take(j <= 3 ? u.Force(v) : u.Moment(v), at);
            }
        }
    for (int e = 1; e <= members; ++e)
        for (int j = 1; j <= dof; ++j) {
            // Solver round-off is not a force: compare with the largest
            // forces (and their moments over the model's size).
            const double noise = 1e-9 * (j <= 3 ? forceMax : std::max(momentMax, forceMax * size));
            nonZero[j - 1] = nonZero[j - 1] || std::fabs(r.memberForces(e, j)) > noise ||
                             std::fabs(r.memberForces(e, dof + j)) > noise;
        }
    if (!Step(n / 2.0 + members, stage))
        return false;
    if (!print)
        return true;

    m_doc->Heading(2, m.CaseName(record));
    if (worst > 0)
        m_doc->Paragraph("Largest displacement: " + ReportTable::FormatNumber(u.Length(largest), u.Length(largest)) + " " +
                         u.lengthUnit + " at node " + std::to_string(worst) + " (Ux " +
                         ReportTable::FormatNumber(u.Length(r.displacements(worst, 1)), u.Length(largest)) + ", Uy " +
                         ReportTable::FormatNumber(u.Length(r.displacements(worst, 2)), u.Length(largest)) + ", Uz " +
                         ReportTable::FormatNumber(u.Length(r.displacements(worst, 3)), u.Length(largest)) + " " +
                         u.lengthUnit + ")", true);

    ReportTable reactions;
    reactions.AddColumn("Node", "", ReportTable::Kind::Integer);
    reactions.AddColumn("Support", "", ReportTable::Kind::Text);
    for (int j = 1; j <= dof; ++j)
        reactions.AddColumn(kNodeForceNames[j - 1], u.NodeForceUnit(j), ReportTable::Kind::Number);
    for (int i = 1; i <= n; ++i) {
        if (!m.IsSupported(i))
            continue;
        reactions.NewRow();
        reactions.AddInteger(i);
        reactions.AddText(m.SupportText(i));
        for (int j = 1; j <= dof; ++j) {
            if (m.IsRestrained(i, j))
                reactions.AddNumber(u.NodeForce(j, r.nodeForces(i, j)));
            else
                reactions.AddText("");
        }
    }
    reactions.ChopNoise();
    m_doc->Paragraph("Support reactions (forces of the supports on the structure, global axes):");
    if (reactions.Rows() == 0)
        m_doc->Paragraph("The model has no supports.");
    else if (!m_doc->Table(reactions))
        return false;
    Equilibrium(record, r.nodeForces, "Equilibrium of " + where);

    m_doc->Paragraph("Member end forces in the member's local axes (P tension positive; V2, V3 shear; T torsion; "
                     "M2, M3 bending about local axes 2 and 3):");
    ReportTable forces;
    forces.AddColumn("Member", "", ReportTable::Kind::Integer);
    forces.AddColumn("End", "", ReportTable::Kind::Text);
    for (int j = 1; j <= dof; ++j)
        forces.AddColumn(kMemberForceNames[j - 1], j <= 3 ? u.forceUnit : u.momentUnit, ReportTable::Kind::Number);
    for (int e = 1; e <= members; ++e)
        for (int end = 0; end < 2; ++end) {
            forces.NewRow();
            forces.AddInteger(e);
            forces.AddText(end ? "end" : "start");
            for (int j = 1; j <= dof; ++j) {
                const double v = r.memberForces(e, end * dof + j);
                forces.AddNumber(j <= 3 ? u.Force(v) : u.Moment(v));
            }
        }
    forces.ChopNoise();
    if (!m_doc->Table(forces, [this, &stage](int) { return Step(1, stage); }))
        return false;

    if (m_options.pictures) {
        PicturePage(CGeometry::ModeDisplaced, 0, record, "Displaced shape, " + m.CaseName(record) +
                                                             " (largest displacement drawn at the display setting's size)");
        for (int j = 1; j <= dof; ++j) {
            if (nonZero[j - 1])
                PicturePage(CGeometry::ModeForces, CGeometry::ForceFx + j - 1, record,
                            std::string("Force diagram ") + kDiagramNames[j - 1] + ", " + m.CaseName(record));
            else
                Step(m_pictureWork, stage);
            if (m_owner.m_cancelled)
                return false;
        }
    }
    return !m_owner.m_cancelled;
}

void ReportWriter::Run::SummarySection()
{
    m_doc->Heading(1, std::to_string(++m_section) + " Summary");
    if (!m_model.solved) {
        m_doc->Paragraph(m_model.resultsNote);
        return;
    }
    std::string cases;
    for (int r : m_records)
        cases += (cases.empty() ? "" : ", ") + Short(r);
    m_doc->Paragraph("Extreme values over " + cases + " (LC load case, C combination):");
    ReportTable table;
    table.AddColumn("Quantity", "", ReportTable::Kind::Text);
    table.AddColumn("Unit", "", ReportTable::Kind::Text);
    table.AddColumn("Largest", "", ReportTable::Kind::Figure);
    table.AddColumn("At", "", ReportTable::Kind::Text);
    table.AddColumn("Smallest", "", ReportTable::Kind::Figure);
    table.AddColumn("At", "", ReportTable::Kind::Text);
    auto add = [&table](const Extreme& x, bool withSmallest) {
        if (!x.any)
            return;
        const double scale = std::max(std::fabs(x.largest), std::fabs(x.smallest));
        table.NewRow();
        table.AddText(x.name);
        table.AddText(x.unit);
        table.AddText(ReportTable::FormatNumber(x.largest, scale));
        table.AddText(x.largestAt);
        table.AddText(withSmallest ? ReportTable::FormatNumber(x.smallest, scale) : "");
        table.AddText(withSmallest ? x.smallestAt : "");
    };
    add(m_translation, false);
    for (const Extreme& x : m_displacement)
        add(x, true);
    for (const Extreme& x : m_reaction)
        add(x, true);
    for (const Extreme& x : m_memberForce)
        add(x, true);
    m_doc->Table(table);
}
