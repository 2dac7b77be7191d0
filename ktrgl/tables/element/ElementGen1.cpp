#include "tables/element/ElementGen1.h"

#include "platform/MessageBox.h"
#include "tables/GridEditing.h"
#include "view/Geometry.h"

#include <QCheckBox>
#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct Field {
    int id;
    const char* label;
    const char* tip;
};
// In the order of m_edits.
const Field kFields[6] = {
    {12057, "Start", "Increment start node"}, {12058, "End", "Increment end node"},
    {12059, "Property", "Number Property"},    {12032, "Gen No.", "Number Gennerate"},
    {12024, "Ratio", "Gennerate ratio"},       {12060, "Element", "Element start"},
};
const char* const kRelease[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};

} // namespace

CElementGen1::CElementGen1(QWidget* parent) : PropertyPage("Linear Gennerate", parent)
{
    setObjectName("12043");
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        fields->addWidget(new QLabel(kFields[i].label, this), i, 0);
        m_edits[i] = new QLineEdit(this);
        m_edits[i]->setObjectName(QString::number(kFields[i].id));
        m_edits[i]->setToolTip(kFields[i].tip);
        fields->addWidget(m_edits[i], i, 1);
    }
    m_edits[5]->setEnabled(false);
    layout->addLayout(fields);

    auto* release = new QGroupBox("Member Release", this);
    auto* releaseLayout = new QHBoxLayout(release);
    for (int i = 0; i < 6; ++i) {
        m_release[i] = new QCheckBox(kRelease[i], release);
        m_release[i]->setObjectName(QString::number(12014 + i));
        m_release[i]->setToolTip(QString("Release ") + kRelease[i]);
        m_release[i]->setEnabled(false);
        releaseLayout->addWidget(m_release[i]);
    }
    layout->addWidget(release);
    auto* command = new QGridLayout;
    command->addWidget(new QLabel("Command Line", this), 0, 0);
    m_commandLine = new QLineEdit(this);
    m_commandLine->setObjectName("12035");
    m_commandLine->setEnabled(false);
    command->addWidget(m_commandLine, 0, 1);
    layout->addLayout(command);
    layout->addStretch(1);
    UpdateData(false);
}

CElementGen1::~CElementGen1() = default;

QLineEdit* CElementGen1::Edit(int controlId) const
{
    for (int i = 0; i < 6; ++i)
        if (kFields[i].id == controlId)
            return m_edits[i];
    return nullptr;
}

bool CElementGen1::OnInitDialog()
{
    // The tips were given to the controls at construction; they are drawn
    // on the colour reference 0xE1FF00 (0x00BBGGRR: red 0, green 255, blue 225).
    const unsigned colourRef = 0xE1FF00;
    const QColor colour(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF);
    setStyleSheet(QStringLiteral("QToolTip { background-color: %1; color: black; }").arg(colour.name()));
    return true;
}

bool CElementGen1::OnSetActive()
{
    if (m_geometry) {
        int first = m_geometry->m_selMemberFrom;
        if (m_geometry->m_selMemberTo < first)
            first = m_geometry->m_selMemberTo;
        m_element = first;
        m_edits[5]->setText(QString::fromStdString(GridEditing::Format("   %d", first)));
        // A range outside the table (nothing selected yet) shows no property.
        const CdMatrix& members = m_geometry->m_memberTable;
        const double property =
            first >= 1 && first <= members.GetRows() ? members(first, MemberTableWorker::ColProperty) : 0.0;
        m_edits[2]->setText(QString::fromStdString(GridEditing::Format("   %g", property)));
    }
    return true;
}

bool CElementGen1::OnKillActive()
{
    // Text that is no whole number is refused, not read as 0: the page
    // stays with the field to correct.
    for (int i = 0; i < 6; ++i) {
        const QString text = m_edits[i]->text().trimmed();
        bool number = false;
        text.toInt(&number);
        if (!number) {
            platform::MessageBox(std::string(kFields[i].label) + ": \"" + text.toStdString() +
                                     "\" is not a whole number.",
                                 "KESTRA", platform::MB_OK | platform::MB_ICONERROR);
            m_edits[i]->setFocus();
            return false;
        }
    }
    UpdateData(true);
    return true;
}

void CElementGen1::OnOK()
{
    UpdateData(true);
    PropertyPage::OnOK();
}

void CElementGen1::UpdateData(bool save)
{
    int* values[6] = {&m_startIncrement, &m_endIncrement, &m_property, &m_count, &m_ratio, &m_element};
    for (int i = 0; i < 6; ++i) {
        if (save)
            *values[i] = static_cast<int>(GridEditing::ParseInteger(m_edits[i]->text().trimmed().toStdString()));
        else
            m_edits[i]->setText(QString::number(*values[i]));
    }
}

MemberTableWorker::Generation CElementGen1::Parameters() const
{
    MemberTableWorker::Generation generation;
    generation.startIncrement = m_startIncrement;
    generation.endIncrement = m_endIncrement;
    generation.property = m_property;
    generation.count = m_count;
    generation.ratio = m_ratio;
    generation.element = m_element;
    return generation;
}
