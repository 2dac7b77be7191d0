// The assignment dialog (dialog 106) of the connectivity bar: a label with
// the mode text ("Properties" or "Release"), a drop-down list "Group 1" ..
// "Group n" and the buttons "Assign" and "Cancel". The chosen entry's index
// + 1 is the group number the bar writes into the selected members.
#pragma once
#include <QDialog>
#include <string>

class QComboBox;
class QLabel;

class CElementAssign : public QDialog {
    Q_OBJECT
public:
    CElementAssign(const std::string& mode, int groups, QWidget* parent = nullptr);
    ~CElementAssign() override;

    // IDOK (1) after "Assign", IDCANCEL (2) otherwise.
    int DoModal();
    // The chosen group number (list index + 1); 0 when the list is empty.
    int Group() const;
    void SetGroup(int group);

    QComboBox* List() const { return m_list; }
    QLabel* ModeLabel() const { return m_label; }

private:
    QLabel* m_label = nullptr;
    QComboBox* m_list = nullptr;
};
