// The "Input" page on which the user ticks which input table pages are
// wanted. The check boxes are read from the page by its owner; the page's
// own OK only says "pass1".
#pragma once
#include <QString>

#include "tables/PropertyPage.h"

class QCheckBox;

class CList1 : public PropertyPage {
    Q_OBJECT
public:
    explicit CList1(QWidget* parent = nullptr);
    ~CList1() override;

    void OnOK() override;

    // The check box labelled text, or nullptr.
    QCheckBox* Box(const QString& text) const;
};
