#include "auxiliary/MatrixViewer.h"

#include <QVBoxLayout>
#include <cstdio>

#include "tables/MSFlexGrid.h"
#include "tables/PropertySheet.h"
#include "view/Geometry.h"

CMatrixViewer::CMatrixViewer(QWidget* parent) : PropertyPage(QStringLiteral("Matrix"), parent)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName(QString::number(IdGrid));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    resize(495, 317);   // the 330 x 195 dialog-unit page
}

CMatrixViewer::~CMatrixViewer() = default;

void CMatrixViewer::SetMatrix(CdMatrix m) { m_matrix = m; }

void CMatrixViewer::SetMatrix(CiMatrix m) { m_matrix = m; }

void CMatrixViewer::UpdateTable()
{
    const int rows = m_matrix.GetRows();
    const int cols = m_matrix.GetCols();
    char text[64];
    m_grid->Clear();
    m_grid->SetRows(rows + 1);
    m_grid->SetCols(cols + 1);
    for (int i = 1; i <= rows; ++i) {
        std::snprintf(text, sizeof text, "%d", i);
        m_grid->SetTextMatrix(i, 0, text);
        for (int j = 1; j <= cols; ++j) {
            std::snprintf(text, sizeof text, "%.3g", m_matrix(i, j));
            m_grid->SetTextMatrix(i, j, text);
        }
    }
    for (int j = 1; j <= cols; ++j) {
        std::snprintf(text, sizeof text, "%d", j);
        m_grid->SetTextMatrix(0, j, text);
    }
}

bool CMatrixViewer::OnSetActive()
{
    if (PropertySheet* sheet = GetParentSheet())
        sheet->SetTitle(m_title);
    UpdateTable();
    return PropertyPage::OnSetActive();
}

std::unique_ptr<PropertySheet> CMatrixViewer::CreatePrintSheet(const CdMatrix& table,
                                                               const QString& title)
{
    auto sheet = std::make_unique<PropertySheet>(title);
    auto* viewer = new CMatrixViewer;
    viewer->SetTitle(title);
    viewer->SetMatrix(table);
    sheet->AddPage(viewer);   // the sheet becomes the page's parent
    return sheet;
}

void CMatrixViewer::InstallPrintHook()
{
    CGeometry::SetMatrixViewerHook([](const CdMatrix& table, const std::string& title) {
        std::unique_ptr<PropertySheet> sheet =
            CreatePrintSheet(table, QString::fromStdString(title));
        sheet->DoModal();
    });
}
