// A table or settings page: a widget that a PropertySheet shows in one of its
// tabs (or the host in a frame of its own). The sheet calls OnInitDialog the
// first time the page is shown, OnSetActive/OnKillActive when the user moves
// between pages and OnOK/OnCancel when the sheet closes. In a wizard the
// sheet calls OnWizardBack/OnWizardNext/OnWizardFinish as well.
#pragma once
#include <QString>
#include <QWidget>

class PropertySheet;

class PropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPage(const QString& caption = QString(), QWidget* parent = nullptr);
    ~PropertyPage() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }

    // Runs OnInitDialog once; later calls do nothing. A host that shows the
    // page outside a sheet calls it before showing the page.
    bool EnsureInitialized();
    bool IsInitialized() const { return m_initialized; }

    // The sheet holding the page, or nullptr.
    PropertySheet* GetParentSheet() const { return m_sheet; }

    // Marks the page changed: the sheet enables its Apply button.
    void SetModified(bool changed = true);
    bool IsModified() const { return m_modified; }

    virtual bool OnInitDialog() { return true; }
    // Returning false from OnKillActive keeps the page shown.
    virtual bool OnSetActive() { return true; }
    virtual bool OnKillActive() { return true; }
    virtual void OnOK() { m_modified = false; }
    virtual void OnCancel() {}
    // Apply: OnOK by default; false keeps the sheet open.
    virtual bool OnApply()
    {
        OnOK();
        return true;
    }

    // Wizard steps: 0 moves on to the neighbouring page, -1 stays, a
    // positive value n moves to page index n - 1.
    virtual int OnWizardBack() { return 0; }
    virtual int OnWizardNext() { return 0; }
    // True lets the wizard finish.
    virtual bool OnWizardFinish() { return true; }

private:
    friend class PropertySheet;
    QString m_caption;
    PropertySheet* m_sheet = nullptr;
    bool m_initialized = false;
    bool m_modified = false;
};
