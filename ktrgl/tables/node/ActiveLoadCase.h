// The docked "Active Loads" bar (dialog 103): a drop-down list (control
// 12061) that the host fills with the load cases and reads to know which
// case to show. The library gives it no behaviour of its own.
#pragma once
#include "tables/DialogBar.h"

class QComboBox;

class CActiveLoadCase : public DialogBar {
    Q_OBJECT
public:
    explicit CActiveLoadCase(QWidget* parent = nullptr);
    ~CActiveLoadCase() override;

    QComboBox* List() const { return m_list; }

private:
    QComboBox* m_list = nullptr;
};
