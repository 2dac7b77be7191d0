// The docked bars of the main window: the node coordinate, restraint and
// load bars, the active load case bar and the member connectivity,
// reference point and property bars, the member load and load combination
// bars, each in a QDockWidget and each given
// the one CGeometry before it is created. The manager refills the bars when
// the model changes behind them (a project opened, an undo), forwards the
// host's menu commands to them and keeps the dock layout in Qt's settings.
#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class CGeometry;
class DialogBar;
class QDockWidget;
class QMainWindow;
class QMenu;
class QSettings;

class DockManager : public QObject {
    Q_OBJECT
public:
    // One bar in its dock.
    struct Bar {
        QString name;    // object name of the dock ("nodeBar1", ...)
        QString title;   // dock caption
        QString popup;   // the table popup whose commands the bar takes ("" none)
        DialogBar* bar = nullptr;
        QDockWidget* dock = nullptr;
        std::function<void()> refresh;
        std::function<bool(int)> command;
    };

    DockManager(QMainWindow& window, CGeometry& geometry);
    ~DockManager() override;

    // Creates every bar this build has, in its dock (once).
    void CreateDocks();
    const std::vector<Bar>& Bars() const { return m_bars; }
    const Bar* Find(const QString& name) const;
    QDockWidget* Dock(const QString& name) const;
    template <class T>
    T* BarOf(const QString& name) const
    {
        const Bar* b = Find(name);
        return b ? dynamic_cast<T*>(b->bar) : nullptr;
    }

    // Refills every bar from the model (and, for the active load case
    // bar, from the project's load cases).
    void RefreshAll();
    // Runs command id on the named bar; false when it has no such command.
    bool Forward(const QString& name, int id);
    // Bars are usable only while a project is open.
    void SetEnabled(bool enabled);

    // The docks' show/hide actions, added to menu.
    void AddToggleActions(QMenu* menu) const;

    // Narrow bars beside a wide model view (the layout of a first run).
    void DefaultSizes();

    void SaveLayout(QSettings& settings) const;
    bool RestoreLayout(QSettings& settings);

signals:
    // The active load case bar chose case k.
    void activeLoadCaseChosen(int k);

private:
    // The load bars grey while a combination is the active load case.
    void ApplyLoadBarState();

    template <class T>
    T* Add(const QString& name, const QString& title, const QString& popup, int area);

    QMainWindow& m_window;
    CGeometry& m_geometry;
    std::vector<Bar> m_bars;
    bool m_enabled = true;
};
