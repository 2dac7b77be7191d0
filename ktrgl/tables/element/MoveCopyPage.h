// What the pages that move or copy the selection share, the mirror
// (CElementPage6) and the rotation (CElementPage8): the "Mode" box (Move or
// Copy), boxes of radio buttons, and the answers read from the controls when
// the page is left or confirmed.
#pragma once
#include "tables/PropertyPage.h"

class QRadioButton;
class QVBoxLayout;

class MoveCopyPage : public PropertyPage {
public:
    ~MoveCopyPage() override;

    // The controls written from (false) or read into (true) the fields.
    virtual void UpdateData(bool save) = 0;
    bool OnKillActive() override;
    void OnOK() override;

    // 1 Move, 2 Copy.
    int m_mode = 2;

    QRadioButton* ModeButton(int mode) const { return m_modeButtons[mode == 1 ? 0 : 1]; }

protected:
    MoveCopyPage(const QString& caption, QWidget* parent);
    // A box titled title under layout with one radio button per text (in
    // buttons), the buttons in one group.
    void AddRadioBox(QVBoxLayout* layout, const char* title, const char* const texts[], int count,
                     QRadioButton* buttons[]);
    // The "Mode" box: Move, Copy.
    void AddModeBox(QVBoxLayout* layout);
    // m_mode written to (false) or read from (true) the mode buttons.
    void UpdateMode(bool save);

private:
    QRadioButton* m_modeButtons[2];
};
