// What the desktop program sets up around its application object: the
// OpenGL surface format and context sharing before it exists, then the C
// numeric locale, the names behind Qt's own settings file, the Qt message,
// file dialog and wait cursor services of the platform layer and the
// matrix viewer behind CGeometry::Print. main() and the GUI tests use it.
#pragma once

class GuiStartup {
public:
    // Before the QApplication is constructed.
    static void BeforeApplication();
    // Right after; organisation and application name of QSettings.
    static void AfterApplication(const char* organisation = "KESTRA", const char* application = "kestra");
};
