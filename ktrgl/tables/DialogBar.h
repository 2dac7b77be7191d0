// A docked bar: a widget the host puts into a QDockWidget beside the model
// view. The host sets what the bar works on, then calls Create, which runs
// OnInitDialog once; the bar lives as long as its dock.
#pragma once
#include <QString>
#include <QWidget>

class DialogBar : public QWidget {
    Q_OBJECT
public:
    explicit DialogBar(const QString& caption = QString(), QWidget* parent = nullptr);
    ~DialogBar() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }

    // Runs OnInitDialog the first time; later calls return true at once.
    bool Create();
    bool IsCreated() const { return m_created; }

    virtual bool OnInitDialog() { return true; }

private:
    QString m_caption;
    bool m_created = false;
};
