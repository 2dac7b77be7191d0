#include "tables/node/ActiveLoadCase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

CActiveLoadCase::CActiveLoadCase(QWidget* parent) : DialogBar("Active Loads", parent)
{
    setObjectName("103");
    auto* label = new QLabel("Active Loads", this);
    m_list = new QComboBox(this);
    m_list->setObjectName("12061");
    label->setBuddy(m_list);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
}

CActiveLoadCase::~CActiveLoadCase() = default;
