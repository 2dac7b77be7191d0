// The element generation page ("Linear Gennerate", dialog 12043), shown by
// the connectivity bar in a sheet titled "Element Gennerate": increments
// of the start and end nodes, the property of the new members, how many to
// generate, the ratio multiplying both increments and the source member
// (shown, not editable). The release boxes and the command line are shown
// disabled and take no part in the generation.
#pragma once
#include "tables/PropertyPage.h"
#include "tables/element/MemberTableWorker.h"

class CGeometry;
class QCheckBox;
class QLineEdit;

class CElementGen1 : public PropertyPage {
    Q_OBJECT
public:
    explicit CElementGen1(QWidget* parent = nullptr);
    ~CElementGen1() override;

    // Set by the bar before the sheet is shown.
    CGeometry* m_geometry = nullptr;

    bool OnInitDialog() override;
    // Shows the first selected member and its property group.
    bool OnSetActive() override;
    bool OnKillActive() override;
    void OnOK() override;
    void UpdateData(bool save);

    // The answers as the generation takes them.
    MemberTableWorker::Generation Parameters() const;

    int m_startIncrement = 1;
    int m_endIncrement = 1;
    int m_property = 1;
    int m_count = 1;
    int m_ratio = 1;
    int m_element = 0;

    // Edit of a control id (12057, 12058, 12059, 12032, 12024, 12060).
    QLineEdit* Edit(int controlId) const;
    QCheckBox* ReleaseBox(int index) const { return m_release[index]; }

private:
    QLineEdit* m_edits[6];
    QCheckBox* m_release[6];
    QLineEdit* m_commandLine = nullptr;
};
