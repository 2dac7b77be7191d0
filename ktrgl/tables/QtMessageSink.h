// Message boxes shown with QMessageBox. The host installs this sink (see
// InstallQtPlatform) so that every platform::MessageBox of the library opens
// a real dialog; the button set and the answer keep the values the library
// tests for (MB_OKCANCEL, IDYES, ...).
#pragma once
#include "platform/MessageBox.h"

namespace platform {

class QtMessageSink : public MessageSink {
public:
    int Show(const std::string& text, const std::string& caption, unsigned buttons) override;

    // Mapping used by Show, public so that it can be checked without a dialog.
    static int StandardButtons(unsigned buttons);     // QMessageBox::StandardButtons
    static int DefaultButton(unsigned buttons);       // QMessageBox::StandardButton
    static int Answer(int standardButton, unsigned buttons); // IDOK, IDCANCEL, IDYES, IDNO
};

} // namespace platform
