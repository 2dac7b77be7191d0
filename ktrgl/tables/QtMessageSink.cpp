#include "tables/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace platform {
namespace {

unsigned ButtonSet(unsigned buttons) { return buttons & 0xF; }
unsigned IconSet(unsigned buttons) { return buttons & 0xF0; }

} // namespace

int QtMessageSink::StandardButtons(unsigned buttons)
{
    switch (ButtonSet(buttons)) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int QtMessageSink::DefaultButton(unsigned buttons)
{
    switch (ButtonSet(buttons)) {
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return QMessageBox::Yes;
    default:
        return QMessageBox::Ok;
    }
}

int QtMessageSink::Answer(int standardButton, unsigned buttons)
{
    switch (standardButton) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        // Closing the box with Escape or the title bar: Cancel where the box
        // offers it, otherwise the only possible answer (OK) or No.
        switch (ButtonSet(buttons)) {
        case MB_OKCANCEL:
        case MB_YESNOCANCEL:
            return IDCANCEL;
        case MB_YESNO:
            return IDNO;
        default:
            return IDOK;
        }
    }
}

int QtMessageSink::Show(const std::string& text, const std::string& caption, unsigned buttons)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (IconSet(buttons)) {
    case MB_ICONERROR:
        icon = QMessageBox::Critical;
        break;
    case MB_ICONQUESTION:
        icon = QMessageBox::Question;
        break;
    case MB_ICONWARNING:
        icon = QMessageBox::Warning;
        break;
    case MB_ICONINFORMATION:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::StandardButtons(StandardButtons(buttons)),
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::StandardButton(DefaultButton(buttons)));
    box.exec();
    return Answer(box.standardButton(box.clickedButton()), buttons);
}

} // namespace platform
