#include "auxiliary/List2.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "platform/MessageBox.h"

CList2::CList2(QWidget* parent) : PropertyPage(QStringLiteral("Output Table"), parent)
{
    struct Entry {
        const char* text;
        bool enabled;
    };
    const Entry entries[] = {
        {"Node Dis...", true}, {"Structure Dis...", true}, {"Structure Force", true},
        {"Reactions", true}, {"Node Force", true}, {"Element Dis...", true}, {"Element Force", true},
        {"Stress...", false},
    };
    auto* group = new QGroupBox(QStringLiteral("Table Page"), this);
    auto* boxes = new QVBoxLayout(group);
    for (const Entry& e : entries) {
        auto* box = new QCheckBox(QString::fromLatin1(e.text), group);
        box->setEnabled(e.enabled);
        boxes->addWidget(box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
}

CList2::~CList2() = default;

QCheckBox* CList2::Box(const QString& text) const
{
    for (QCheckBox* box : findChildren<QCheckBox*>())
        if (box->text() == text)
            return box;
    return nullptr;
}

void CList2::OnOK()
{
    platform::MessageBox("pass2", "", platform::MB_OK);
    PropertyPage::OnOK();
}
