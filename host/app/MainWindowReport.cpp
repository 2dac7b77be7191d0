// File > Export report...: the options dialog, then the report written with
// a progress dialog that can cancel it.
#include "MainWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QProgressDialog>
#include <QStatusBar>

#include "ModelViewWidget.h"
#include "ReportDialog.h"
#include "ReportModel.h"
#include "ReportWriter.h"
#include "platform/MessageBox.h"

void MainWindow::OnExportReport()
{
    if (!HasProject() || !MaybeSave())
        return;
    ReportModel model;
    std::string error;
    if (!model.Read(error)) {
        ShowError(QString::fromStdString(error), tr("Export report"));
        return;
    }
    ReportDialog dialog(model.loadCases, model.combinations, QString::fromStdString(ReportWriter::DefaultPath()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    QProgressDialog progress(tr("Writing the report..."), tr("Cancel"), 0, 1000, this);
    progress.setWindowTitle(tr("Export report"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    if (QOpenGLContext* current = QOpenGLContext::currentContext())
        current->doneCurrent();
    ReportWriter writer(dialog.options());
    writer.SetProgress([&progress](double fraction, const std::string& stage) {
        progress.setLabelText(QString::fromStdString(stage));
        progress.setValue(int(fraction * 1000));
        QApplication::processEvents();
        // The view may have painted: its context must not stay current
        // while the report's offscreen pictures are drawn.
        if (QOpenGLContext* current = QOpenGLContext::currentContext())
            current->doneCurrent();
        return !progress.wasCanceled();
    });
    const std::string path = dialog.path().toStdString();
    const bool ok = writer.Write(path, error);
    progress.reset();
    m_view->update();
    if (!ok) {
        if (!writer.Cancelled())
            ShowError(QString::fromStdString(error), tr("Export report"));
        else
            statusBar()->showMessage(tr("The report was cancelled; nothing was written."), 10000);
        return;
    }
    QString text = tr("Report written: %1 (%2 pages)").arg(dialog.path()).arg(writer.PageCount());
    if (!writer.Warnings().empty())
        platform::MessageBox(writer.Warnings(), "Export report", platform::MB_OK | platform::MB_ICONWARNING);
    statusBar()->showMessage(text, 15000);
}
