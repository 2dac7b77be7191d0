// Keeps a widget suite from hanging on a box nobody answers: a modal box or
// dialog that stays open longer than the limit (a test that expects one
// answers it at once) fails the running test with the box's caption and
// text and is closed, so the suite goes on instead of waiting for ctest's
// timeout. Create one after the QApplication, before RUN_ALL_TESTS.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace testsupport {

class ModalWatchdog {
public:
    explicit ModalWatchdog(int limitMs = 4000) : m_limit(limitMs)
    {
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, [this]() { Tick(); });
        m_timer.start();
        Slot() = this;
    }
    ~ModalWatchdog() { Slot() = nullptr; }
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    // The suite's watchdog (nullptr when there is none).
    static ModalWatchdog* Current() { return Slot(); }
    int Limit() const { return m_limit; }
    void SetLimit(int limitMs) { m_limit = limitMs; }

    // "QMessageBox 'caption': text" of a box, or the labels of a dialog.
    static std::string Describe(QWidget* modal)
    {
        QString text;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            if (!box->informativeText().isEmpty())
                text += " " + box->informativeText();
        } else {
            for (QLabel* label : modal->findChildren<QLabel*>())
                if (!label->text().isEmpty())
                    text += (text.isEmpty() ? "" : " | ") + label->text();
        }
        return std::string(modal->metaObject()->className()) + " '" +
               modal->windowTitle().toStdString() + "': " + text.toStdString();
    }

private:
    static ModalWatchdog*& Slot()
    {
        static ModalWatchdog* current = nullptr;
        return current;
    }

    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != m_seen) {
            m_seen = modal;
            m_since.start();
            return;
        }
        if (!modal || m_since.elapsed() < m_limit)
            return;
        ADD_FAILURE() << "unexpected modal window left open " << m_limit << " ms, closed: "
                      << Describe(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        m_seen = nullptr;
    }

    QTimer m_timer;
    QPointer<QWidget> m_seen;
    QElapsedTimer m_since;
    int m_limit;
};

} // namespace testsupport
