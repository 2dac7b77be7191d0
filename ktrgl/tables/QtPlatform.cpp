#include "tables/QtPlatform.h"

#include "platform/WaitCursor.h"
#include "tables/QtFileDialogSink.h"
#include "tables/QtMessageSink.h"

#include <QApplication>
#include <QCursor>

namespace platform {
namespace {
QtMessageSink g_messageSink;
QtFileDialogSink g_fileDialogSink;
} // namespace

void QtBeginWaitCursor()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtEndWaitCursor()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) && QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void InstallQtPlatform()
{
    SetMessageSink(&g_messageSink);
    FileDialog::SetSink(&g_fileDialogSink);
    WaitCursor::SetHooks(&QtBeginWaitCursor, &QtEndWaitCursor);
}

void UninstallQtPlatform()
{
    if (CurrentMessageSink() == &g_messageSink)
        SetMessageSink(nullptr);
    FileDialogSink* previous = FileDialog::SetSink(nullptr);
    if (previous != &g_fileDialogSink)
        FileDialog::SetSink(previous);
    WaitCursor::SetHooks(nullptr, nullptr);
}

} // namespace platform
