// The "Output Table" page on which the user ticks which result table pages are
// wanted. The check boxes are read from the page by its owner; the page's
// own OK only says "pass2".
#pragma once
#include <QString>

#include "tables/PropertyPage.h"

class QCheckBox;

class CList2 : public PropertyPage {
    Q_OBJECT
public:
    explicit CList2(QWidget* parent = nullptr);
    ~CList2() override;

    void OnOK() override;

    // The check box labelled text, or nullptr.
    QCheckBox* Box(const QString& text) const;
};
