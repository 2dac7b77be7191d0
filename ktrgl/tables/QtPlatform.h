// Connects the platform layer to Qt: message boxes, file-open dialogs and
// the wait cursor. The host calls InstallQtPlatform once after creating its
// QApplication; UninstallQtPlatform restores the console behaviour.
#pragma once

namespace platform {

void InstallQtPlatform();
void UninstallQtPlatform();

// The wait-cursor hooks installed by InstallQtPlatform.
void QtBeginWaitCursor();
void QtEndWaitCursor();

} // namespace platform
