// A dialog of pages: tabs with OK, Cancel and Apply, or, in wizard mode, one
// page at a time with Back, Next/Finish and Cancel. The sheet drives the
// page protocol of PropertyPage; it does not own the pages' data.
#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>
#include <vector>

class PropertyPage;
class QPushButton;
class QTabWidget;

class PropertySheet : public QDialog {
    Q_OBJECT
public:
    // Wizard button flags for SetWizardButtons.
    enum WizardButtons : unsigned {
        WizardBack = 0x1,
        WizardNext = 0x2,
        WizardFinish = 0x4,
        WizardDisabledFinish = 0x8,
    };
    // Results of DoModal.
    enum Result { IdOk = 1, IdCancel = 2, IdWizardFinish = 0x3025 };

    explicit PropertySheet(const QString& caption = QString(), QWidget* parent = nullptr);
    ~PropertySheet() override;

    // A page the sheet takes as its child and deletes with itself.
    void AddPage(PropertyPage* page);
    // A page the caller keeps (a member or a local declared before the
    // sheet): the sheet shows it and lets it go again when destroyed.
    void AddBorrowedPage(PropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* GetPage(int index) const;
    PropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Activates a page: the current page's OnKillActive may refuse.
    bool SetActivePage(int index);

    void SetTitle(const QString& caption);
    QString Title() const;

    // Wizard mode: call before DoModal/show.
    void SetWizardMode();
    bool IsWizardMode() const { return m_wizard; }
    void SetWizardButtons(unsigned flags);
    unsigned WizardButtonFlags() const { return m_wizardFlags; }
    void SetFinishText(const QString& text);

    // Shows the sheet modally; IdOk (IdWizardFinish in a wizard) or IdCancel.
    int DoModal();

    // The buttons, for the host's key handling and for tests.
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* BackButton() const { return m_back; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* FinishButton() const { return m_finish; }
    QTabWidget* Tabs() const { return m_tabs; }

    // Button actions (also what the buttons do when clicked).
    bool PressOk();
    void PressCancel();
    bool PressApply();
    bool PressBack();
    bool PressNext();
    bool PressFinish();

    // Called by a page whose modified mark changed.
    void PageModified(PropertyPage* page);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void OnTabChanged(int index);
    bool Activate(int index);
    bool MoveTo(int index);
    void UpdateButtons();

    std::vector<QPointer<PropertyPage>> m_pages;
    std::vector<bool> m_owned;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
    int m_current = -1;
    bool m_wizard = false;
    bool m_switching = false;
    unsigned m_wizardFlags = WizardNext;
    int m_result = IdCancel;
};
