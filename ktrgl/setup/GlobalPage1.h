// The project properties page: names, folder, engineer, title, structure
// type, units and the item counts of the current project. Opening shows the
// settings file; OK writes the page back through a fresh CProject, with
// "Frame3D", "m" and "Kg" for an empty type or unit and the degrees of
// freedom that go with the type.
#pragma once
#include "tables/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class CGlobalPage1 : public PropertyPage {
    Q_OBJECT
public:
    enum ControlId {
        IdName = 12010,
        IdLocation = 12079,
        IdEngineer = 12080,
        IdTitle = 12081,
        IdType = 12078,
        IdForce = 12083,
        IdLength = 12084,
        IdNodes = 12082,
        IdMembers = 12085,
        IdLoads = 12086,
        IdProperties = 12054,
        IdReleases = 12088,
        IdMixLoads = 12014,
    };

    explicit CGlobalPage1(QWidget* parent = nullptr);
    ~CGlobalPage1() override;

    bool OnInitDialog() override;
    bool OnKillActive() override;
    void OnOK() override;

    void OnCloseupType();
    void OnCloseupForce() {}
    void OnCloseupLength() {}

    QWidget* GetDlgItem(int id) const;
    QLineEdit* Edit(int id) const;
    QComboBox* Combo(int id) const;
    QCheckBox* MixLoads() const { return m_mixLoads; }

    static const char* const TypeEntries[6];
    static const char* const ForceEntries[7];
    static const char* const LengthEntries[6];

private:
    // The five counts; false (with a message and the focus on the field)
    // when one is not a whole number.
    bool ReadCounts(int counts[5], bool report);

    QComboBox* m_type = nullptr;
    QComboBox* m_force = nullptr;
    QComboBox* m_length = nullptr;
    QCheckBox* m_mixLoads = nullptr;
};
