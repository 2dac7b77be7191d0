#include "ReportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ReportDialog::ReportDialog(int loadCases, int combinations, const QString& path, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Export report"));
    auto* layout = new QVBoxLayout(this);

    auto* casesBox = new QGroupBox(tr("Load cases"), this);
    auto* casesLayout = new QVBoxLayout(casesBox);
    m_cases = new QListWidget(casesBox);
    for (int k = 1; k <= loadCases; ++k) {
        auto* item = new QListWidgetItem(tr("Load case %1").arg(k), m_cases);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        item->setData(Qt::UserRole, k);
    }
    m_cases->setMaximumHeight(120);
    casesLayout->addWidget(m_cases);
    m_combinations = new QCheckBox(tr("Load combinations (%1 with results)").arg(combinations), casesBox);
    m_combinations->setChecked(combinations > 0);
    m_combinations->setEnabled(combinations > 0);
    casesLayout->addWidget(m_combinations);
    layout->addWidget(casesBox);

    auto* sectionsBox = new QGroupBox(tr("Sections"), this);
    auto* sectionsLayout = new QVBoxLayout(sectionsBox);
    const char* names[6] = {QT_TR_NOOP("Title block"), QT_TR_NOOP("Model tables"), QT_TR_NOOP("Loads"),
                            QT_TR_NOOP("Results"), QT_TR_NOOP("Summary of extreme values"), QT_TR_NOOP("Pictures")};
    for (int i = 0; i < 6; ++i) {
        m_sections[i] = new QCheckBox(tr(names[i]), sectionsBox);
        m_sections[i]->setChecked(true);
        sectionsLayout->addWidget(m_sections[i]);
    }
    layout->addWidget(sectionsBox);

    auto* form = new QFormLayout;
    m_paper = new QComboBox(this);
    m_paper->addItems({"A4", "Letter"});
    form->addRow(tr("Paper"), m_paper);
    const ReportOptions defaults;
    auto* size = new QHBoxLayout;
    m_width = new QDoubleSpinBox(this);
    m_height = new QDoubleSpinBox(this);
    for (QDoubleSpinBox* box : {m_width, m_height}) {
        box->setRange(30, 400);
        box->setDecimals(0);
        box->setSuffix(" mm");
        size->addWidget(box);
    }
    m_width->setValue(defaults.pictureWidthMm);
    m_height->setValue(defaults.pictureHeightMm);
    form->addRow(tr("Picture width, height"), size);
    auto* file = new QHBoxLayout;
    m_path = new QLineEdit(path, this);
    auto* browse = new QPushButton(tr("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &ReportDialog::Browse);
    file->addWidget(m_path);
    file->addWidget(browse);
    form->addRow(tr("PDF file"), file);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReportDialog::Check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ReportDialog::Browse()
{
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Export report"), m_path->text(),
                                                        tr("PDF files (*.pdf)"));
    if (!chosen.isEmpty())
        m_path->setText(chosen.endsWith(".pdf", Qt::CaseInsensitive) ? chosen : chosen + ".pdf");
}

void ReportDialog::Check()
{
    if (m_path->text().trimmed().isEmpty()) {
        m_path->setFocus();
        return;
    }
    bool anyCase = m_cases->count() == 0;
    for (int i = 0; i < m_cases->count(); ++i)
        anyCase = anyCase || m_cases->item(i)->checkState() == Qt::Checked;
    if (!anyCase) {
        m_cases->setFocus();
        return;
    }
    accept();
}

ReportOptions ReportDialog::options() const
{
    ReportOptions o;
    bool all = true;
    for (int i = 0; i < m_cases->count(); ++i) {
        if (m_cases->item(i)->checkState() == Qt::Checked)
            o.cases.push_back(m_cases->item(i)->data(Qt::UserRole).toInt());
        else
            all = false;
    }
    if (all)
        o.cases.clear();
    o.combinations = m_combinations->isChecked();
    o.title = m_sections[0]->isChecked();
    o.model = m_sections[1]->isChecked();
    o.loads = m_sections[2]->isChecked();
    o.results = m_sections[3]->isChecked();
    o.summary = m_sections[4]->isChecked();
    o.pictures = m_sections[5]->isChecked();
    o.paper = m_paper->currentIndex() == 1 ? ReportOptions::Paper::Letter : ReportOptions::Paper::A4;
    o.pictureWidthMm = m_width->value();
    o.pictureHeightMm = m_height->value();
    return o;
}

QString ReportDialog::path() const
{
    return m_path->text().trimmed();
}
