#include "settings/pages/OptionPageForm.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "tables/DialogNumber.h"

namespace {

OptionPageForm::ColourChooser& Chooser()
{
    static OptionPageForm::ColourChooser chooser;
    return chooser;
}

bool DialogChooser(const QColor& initial, QColor* chosen)
{
    const QColor colour = QColorDialog::getColor(initial);
    if (!colour.isValid())
        return false;
    *chosen = colour;
    return true;
}

int Byte(int value) { return std::clamp(value, 0, 255); }

} // namespace

OptionPageForm::ColourChooser OptionPageForm::SetColourChooser(ColourChooser chooser)
{
    ColourChooser previous = Chooser();
    Chooser() = std::move(chooser);
    return previous;
}

OptionPageForm::OptionPageForm(const QString& caption, QWidget* parent)
    : PropertyPage(caption, parent)
{
}

OptionPageForm::~OptionPageForm() = default;

QWidget* OptionPageForm::GetDlgItem(int id) const
{
    const Binding* b = Find(id);
    return b ? b->control : findChild<QWidget*>(QString::number(id));
}

QCheckBox* OptionPageForm::Check(int id) const { return qobject_cast<QCheckBox*>(GetDlgItem(id)); }

QPushButton* OptionPageForm::ColourButton(int id) const
{
    const Binding* b = Find(id);
    return b && b->kind == Binding::Colour ? static_cast<QPushButton*>(b->control) : nullptr;
}

QLineEdit* OptionPageForm::Edit(int id) const { return qobject_cast<QLineEdit*>(GetDlgItem(id)); }

std::vector<std::string> OptionPageForm::BoundKeys(int id) const
{
    const Binding* b = Find(id);
    return b ? b->keys : std::vector<std::string>();
}

std::vector<std::string> OptionPageForm::AllBoundKeys() const
{
    std::vector<std::string> keys;
    for (const Binding& b : m_bindings)
        keys.insert(keys.end(), b.keys.begin(), b.keys.end());
    return keys;
}

const OptionPageForm::Binding* OptionPageForm::Find(int id) const
{
    // Colour buttons and edits may share an identifier with another kind of
    // control on some templates; the first control of that id wins.
    for (const Binding& b : m_bindings)
        if (b.id == id)
            return &b;
    return nullptr;
}

namespace {

int AppendRow(QGridLayout* grid) { return grid->rowCount(); }

} // namespace

QGridLayout* OptionPageForm::AddGroup(const char* title)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    return new QGridLayout(box);
}

QWidget* OptionPageForm::GroupBox(QGridLayout* grid)
{
    return grid->parentWidget();
}

QCheckBox* OptionPageForm::AddCheck(QGridLayout* grid, int id, const char* label, const char* key,
                                    bool enabled)
{
    auto* box = new QCheckBox(QString::fromLatin1(label), this);
    box->setObjectName(QString::number(id));
    box->setEnabled(enabled);
    grid->addWidget(box, AppendRow(grid), 0, 1, 2);
    m_bindings.push_back({Binding::Check, id, box, {key}});
    return box;
}

QPushButton* OptionPageForm::AddColour(QGridLayout* grid, int id, const char* label,
                                       const char* redKey, const char* greenKey,
                                       const char* blueKey, bool enabled)
{
    auto* swatch = new QLabel(this);
    swatch->setObjectName(QStringLiteral("swatch%1").arg(id));
    swatch->setFixedSize(24, 16);
    swatch->setAutoFillBackground(true);
    auto* button = new QPushButton(QString::fromLatin1(label), this);
    button->setObjectName(QString::number(id));
    button->setEnabled(enabled);
    const int row = AppendRow(grid);
    grid->addWidget(button, row, 0);
    grid->addWidget(swatch, row, 1);
    m_bindings.push_back({Binding::Colour, id, button, {redKey, greenKey, blueKey}});
    connect(button, &QPushButton::clicked, this, [this, id] { OnColour(id); });
    return button;
}

QLineEdit* OptionPageForm::AddEdit(QGridLayout* grid, int id, const char* label, const char* key)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    const int row = AppendRow(grid);
    grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    grid->addWidget(edit, row, 1);
    m_bindings.push_back({Binding::Edit, id, edit, {key}});
    return edit;
}

QLineEdit* OptionPageForm::AddRealEdit(QGridLayout* grid, int id, const char* label,
                                       const char* key)
{
    QLineEdit* edit = AddEdit(grid, id, label, key);
    m_bindings.back().kind = Binding::RealEdit;
    return edit;
}

QLineEdit* OptionPageForm::AddFreeEdit(QGridLayout* grid, int id, const char* label)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    const int row = AppendRow(grid);
    grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QColor OptionPageForm::MemberColour(const Binding& b)
{
    int rgb[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k)
        if (int* m = IntMember(b.keys[static_cast<size_t>(k)].c_str()))
            rgb[k] = *m;
    // Values outside 0..255 are kept in the members; the swatch and the
    // chooser see them clamped.
    return QColor(Byte(rgb[0]), Byte(rgb[1]), Byte(rgb[2]));
}

void OptionPageForm::ShowColour(const Binding& b)
{
    if (auto* swatch = findChild<QLabel*>(QStringLiteral("swatch%1").arg(b.id))) {
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, MemberColour(b));
        swatch->setPalette(palette);
    }
}

void OptionPageForm::LoadControls()
{
    ReadGroup();
    for (const Binding& b : m_bindings) {
        const char* key = b.keys[0].c_str();
        switch (b.kind) {
        case Binding::Check:
            if (int* m = IntMember(key))
                static_cast<QCheckBox*>(b.control)->setChecked(*m == 1);
            break;
        case Binding::Colour:
            ShowColour(b);
            break;
        case Binding::Edit:
            if (int* m = IntMember(key))
                static_cast<QLineEdit*>(b.control)->setText(QString::number(*m));
            break;
        case Binding::RealEdit:
            if (double* m = RealMember(key))
                static_cast<QLineEdit*>(b.control)->setText(QString::number(*m, 'g', 15));
            break;
        }
    }
}

bool OptionPageForm::OnInitDialog()
{
    LoadControls();
    return true;
}

bool OptionPageForm::ExchangeEdits(bool report)
{
    for (const Binding& b : m_bindings) {
        if (b.kind != Binding::Edit && b.kind != Binding::RealEdit)
            continue;
        auto* edit = static_cast<QLineEdit*>(b.control);
        const char* key = b.keys[0].c_str();
        bool ok = false;
        if (b.kind == Binding::Edit) {
            int value = 0;
            ok = DialogNumber::ParseInt(edit->text(), &value);
            if (ok)
                if (int* m = IntMember(key))
                    *m = value;
        } else {
            double value = 0.0;
            ok = DialogNumber::ParseReal(edit->text(), &value);
            if (ok)
                if (double* m = RealMember(key))
                    *m = value;
        }
        if (!ok && report) {
            platform::MessageBox(b.kind == Binding::Edit ? "Please enter an integer."
                                                         : "Please enter a number.",
                                 "KESTRA", platform::MB_OK | platform::MB_ICONWARNING);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    return true;
}

bool OptionPageForm::OnKillActive()
{
    if (!ExchangeEdits(true))
        return false;
    return PropertyPage::OnKillActive();
}

void OptionPageForm::OnOK()
{
    for (const Binding& b : m_bindings)
        if (b.kind == Binding::Check)
            if (int* m = IntMember(b.keys[0].c_str()))
                *m = static_cast<QCheckBox*>(b.control)->isChecked() ? 1 : 0;
    ExchangeEdits(false);
    WriteGroup();
    PropertyPage::OnOK();
}

void OptionPageForm::OnCancel()
{
    // The file keeps its values; colours picked meanwhile stay in the
    // members until the page is opened again.
    PropertyPage::OnCancel();
}

void OptionPageForm::OnColour(int id)
{
    const Binding* b = Find(id);
    if (!b || b->kind != Binding::Colour)
        return;
    QColor chosen;
    const ColourChooser& chooser = Chooser();
    const bool accepted = chooser ? chooser(MemberColour(*b), &chosen)
                                  : DialogChooser(MemberColour(*b), &chosen);
    if (!accepted || !chosen.isValid())
        return;
    const int rgb[3] = {chosen.red(), chosen.green(), chosen.blue()};
    for (int k = 0; k < 3; ++k)
        if (int* m = IntMember(b->keys[static_cast<size_t>(k)].c_str()))
            *m = rgb[k];
    ShowColour(*b);
}
