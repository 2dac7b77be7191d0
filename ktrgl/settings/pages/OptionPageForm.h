// The form every display settings page is made of: check boxes for the
// show switches, a colour button per red/green/blue triple and whole-number
// edits, each bound to keys of the page's settings group by name. Opening
// re-reads the group from the settings file and fills the controls; the
// colour buttons store the chosen colour in the members at once; OK stores
// the check boxes and edits and writes every key of the group; Cancel
// writes nothing.
//
// The colour chooser is replaceable so that tests (and hosts with their own
// chooser) can answer without a modal QColorDialog.
#pragma once
#include <QColor>
#include <QString>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "settings/OptionKey.h"

#include "tables/PropertyPage.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

class OptionPageForm : public PropertyPage {
    Q_OBJECT
public:
    // Returns true and sets *chosen when the user accepted a colour.
    using ColourChooser = std::function<bool(const QColor& initial, QColor* chosen)>;
    // Installs a chooser for every page; an empty one restores QColorDialog.
    // Returns the previous one.
    static ColourChooser SetColourChooser(ColourChooser chooser);

    explicit OptionPageForm(const QString& caption, QWidget* parent = nullptr);
    ~OptionPageForm() override;

    bool OnInitDialog() override;
    bool OnKillActive() override;
    void OnOK() override;
    void OnCancel() override;

    // A colour button's action: chooser initialised with the current
    // colour; on OK the three members take the colour's bytes.
    void OnColour(int id);

    // Re-reads the group into the members and shows it (what opening does).
    void LoadControls();
    // Edits -> members. With report, the first invalid edit gets a message
    // and the focus and false is returned; invalid edits never change a
    // member.
    bool ExchangeEdits(bool report);

    // Controls by their identifier (nullptr when the page has none).
    QWidget* GetDlgItem(int id) const;
    QCheckBox* Check(int id) const;
    QPushButton* ColourButton(int id) const;
    QLineEdit* Edit(int id) const;
    // Keys bound to a control ("" entries for none): a check or an edit has
    // one, a colour button three (red, green, blue).
    std::vector<std::string> BoundKeys(int id) const;
    // Every bound key of the page, in the order the controls were added.
    std::vector<std::string> AllBoundKeys() const;

protected:
    // The page's settings group.
    virtual void ReadGroup() = 0;
    virtual void WriteGroup() const = 0;
    // Member of an integer key, or nullptr.
    virtual int* IntMember(const char* key) = 0;
    // Member of a decimal key ("load scale"), or nullptr.
    virtual double* RealMember(const char* key) { (void)key; return nullptr; }

    // Member of a settings object behind a key of its table, or nullptr.
    template <class Page>
    static int* KeyMember(Page& page, const char* key)
    {
        for (const auto& k : Page::Keys())
            if (k.kind != OptionKind::Real && std::strcmp(k.name, key) == 0)
                return &(page.*(k.value));
        return nullptr;
    }
    template <class Page>
    static double* RealKeyMember(Page& page, const char* key)
    {
        for (const auto& k : Page::Keys())
            if (k.kind == OptionKind::Real && std::strcmp(k.name, key) == 0)
                return &(page.*(k.real));
        return nullptr;
    }

    // A titled group box on the page and the grid its rows go into; the
    // box itself (to place in the page's layout) is GroupBox(grid).
    QGridLayout* AddGroup(const char* title);
    static QWidget* GroupBox(QGridLayout* grid);
    // Builders: each appends a row to grid and names the control by id.
    QCheckBox* AddCheck(QGridLayout* grid, int id, const char* label, const char* key,
                        bool enabled = true);
    QPushButton* AddColour(QGridLayout* grid, int id, const char* label, const char* redKey,
                           const char* greenKey, const char* blueKey, bool enabled = true);
    QLineEdit* AddEdit(QGridLayout* grid, int id, const char* label, const char* key);
    // An edit that accepts a decimal number (held as a double).
    QLineEdit* AddRealEdit(QGridLayout* grid, int id, const char* label, const char* key);
    // An edit bound to no setting.
    QLineEdit* AddFreeEdit(QGridLayout* grid, int id, const char* label);

private:
    struct Binding {
        enum Kind { Check, Colour, Edit, RealEdit } kind;
        int id;
        QWidget* control;
        std::vector<std::string> keys;
    };
    const Binding* Find(int id) const;
    void ShowColour(const Binding& b);
    QColor MemberColour(const Binding& b);

    std::vector<Binding> m_bindings;
};
