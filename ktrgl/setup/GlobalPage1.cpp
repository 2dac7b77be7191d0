#include "setup/GlobalPage1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/DialogNumber.h"

const char* const CGlobalPage1::TypeEntries[6] = {"Frame3D", "Truss3D", "Plane", "Plate", "Solid", "Shell"};
const char* const CGlobalPage1::ForceEntries[7] = {"T", "Kg", "kip", "P", "MN", "kN", "N"};
const char* const CGlobalPage1::LengthEntries[6] = {"mm", "cm", "m", "Km", "in", "ft"};

namespace {

const int kCountIds[5] = {CGlobalPage1::IdNodes, CGlobalPage1::IdMembers, CGlobalPage1::IdLoads,
                          CGlobalPage1::IdProperties, CGlobalPage1::IdReleases};

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

CGlobalPage1::CGlobalPage1(QWidget* parent) : PropertyPage(QStringLiteral("Properties"), parent)
{
    auto edit = [this](int id) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        return e;
    };
    auto combo = [this](int id, const char* const* entries, int n) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::number(id));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        for (int i = 0; i < n; ++i)
            c->addItem(QString::fromLatin1(entries[i]));
        return c;
    };

    auto* project = new QGroupBox(QStringLiteral("Project"), this);
    auto* form = new QFormLayout(project);
    form->addRow(QStringLiteral("Project name"), edit(IdName));
    form->addRow(QStringLiteral("File location"), edit(IdLocation));
    form->addRow(QStringLiteral("Engineer"), edit(IdEngineer));
    form->addRow(QStringLiteral("Project title"), edit(IdTitle));
    m_type = combo(IdType, TypeEntries, 6);
    m_force = combo(IdForce, ForceEntries, 7);
    m_length = combo(IdLength, LengthEntries, 6);
    form->addRow(QStringLiteral("Element type"), m_type);
    form->addRow(QStringLiteral("Force unit"), m_force);
    form->addRow(QStringLiteral("Length unit"), m_length);

    auto* counts = new QGroupBox(QStringLiteral("Items"), this);
    auto* countForm = new QFormLayout(counts);
    countForm->addRow(QStringLiteral("Joint "), edit(IdNodes));
    countForm->addRow(QStringLiteral("Member"), edit(IdMembers));
    countForm->addRow(QStringLiteral("Loads"), edit(IdLoads));
    countForm->addRow(QStringLiteral("Properties"), edit(IdProperties));
    countForm->addRow(QStringLiteral("Release type"), edit(IdReleases));
    m_mixLoads = new QCheckBox(QStringLiteral("Plus mix loads case"), counts);
    m_mixLoads->setObjectName(QString::number(IdMixLoads));
    m_mixLoads->setEnabled(false);
    countForm->addRow(m_mixLoads);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(project, 2);
    layout->addWidget(counts, 1);

    connect(m_type, QOverload<int>::of(&QComboBox::activated), this, [this] { OnCloseupType(); });
    connect(m_force, QOverload<int>::of(&QComboBox::activated), this, [this] { OnCloseupForce(); });
    connect(m_length, QOverload<int>::of(&QComboBox::activated), this, [this] { OnCloseupLength(); });
}

CGlobalPage1::~CGlobalPage1() = default;

QWidget* CGlobalPage1::GetDlgItem(int id) const { return findChild<QWidget*>(QString::number(id)); }

QLineEdit* CGlobalPage1::Edit(int id) const { return findChild<QLineEdit*>(QString::number(id)); }

QComboBox* CGlobalPage1::Combo(int id) const { return findChild<QComboBox*>(QString::number(id)); }

bool CGlobalPage1::OnInitDialog()
{
    CProject project;
    Edit(IdName)->setText(Q(project.GetName()));
    Edit(IdLocation)->setText(Q(project.GetLocation()));
    Edit(IdEngineer)->setText(Q(project.GetEngineer()));
    Edit(IdTitle)->setText(Q(project.GetTitle()));
    Edit(IdNodes)->setText(QString::number(project.GetNodeCount()));
    Edit(IdMembers)->setText(QString::number(project.GetElementCount()));
    Edit(IdLoads)->setText(QString::number(project.GetLoadCaseCount()));
    Edit(IdProperties)->setText(QString::number(project.GetMaterialCount()));
    Edit(IdReleases)->setText(QString::number(project.GetReleaseCount()));
    // The lists keep their entries; the edit parts show the project's own
    // texts, whether or not they are entries.
    m_type->setCurrentIndex(-1);
    m_force->setCurrentIndex(-1);
    m_length->setCurrentIndex(-1);
    m_type->setEditText(Q(project.GetElementType()));
    m_force->setEditText(Q(project.GetForceUnit()));
    m_length->setEditText(Q(project.GetLengthUnit()));
    m_mixLoads->setChecked(true);
    return true;
}

void CGlobalPage1::OnCloseupType()
{
    // Only the two structure types this version analyses can be chosen.
    if (m_type->currentIndex() >= 2) {
        m_type->setCurrentIndex(0);
        m_type->setEditText(QStringLiteral("Frame3D"));
    }
}

bool CGlobalPage1::ReadCounts(int counts[5], bool report)
{
    for (int k = 0; k < 5; ++k) {
        QLineEdit* e = Edit(kCountIds[k]);
        if (!DialogNumber::ParseInt(e->text(), &counts[k])) {
            if (report) {
                platform::MessageBox("Please enter an integer.", "KESTRA",
                                     platform::MB_OK | platform::MB_ICONWARNING);
                e->setFocus();
                e->selectAll();
            }
            return false;
        }
    }
    return true;
}

bool CGlobalPage1::OnKillActive()
{
    int counts[5];
    if (!ReadCounts(counts, true))
        return false;
    return PropertyPage::OnKillActive();
}

void CGlobalPage1::OnOK()
{
    int counts[5];
    if (!ReadCounts(counts, false))
        return;   // refused by OnKillActive before; nothing is written
    CProject project;
    project.GetName() = Edit(IdName)->text().toStdString();
    std::string folder = Edit(IdLocation)->text().toStdString();
    // Paths are formed as folder + file name: keep the closing separator.
    if (!folder.empty() && folder != CProject::Undefined && folder.back() != '/')
        folder += '/';
    project.GetLocation() = folder;
    project.GetEngineer() = Edit(IdEngineer)->text().toStdString();
    project.GetTitle() = Edit(IdTitle)->text().toStdString();
    project.GetNodeCount() = counts[0];
    project.GetElementCount() = counts[1];
    project.GetLoadCaseCount() = counts[2];
    project.GetMaterialCount() = counts[3];
    project.GetReleaseCount() = counts[4];

    std::string type = m_type->currentText().toStdString();
    std::string length = m_length->currentText().toStdString();
    std::string force = m_force->currentText().toStdString();
    project.GetElementType() = type.empty() ? "Frame3D" : type;
    project.GetLengthUnit() = length.empty() ? "m" : length;
    project.GetForceUnit() = force.empty() ? "Kg" : force;
    if (project.GetElementType() == "Frame3D")
        project.GetDof() = 6;
    else if (project.GetElementType() == "Truss3D")
        project.GetDof() = 3;
    project.Settings(true);
    PropertyPage::OnOK();
}
