#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs the action on the next modal dialog once it is shown (from inside its exec()), so a test
// can work a dialog that a command opens modally. Only while the object lives.
class WhenModal
{
public:
    explicit WhenModal(std::function<void(QWidget *dialog)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            m_timer.stop();
            m_action(dialog);
        });
        m_timer.start();
    }

private:
    std::function<void(QWidget *dialog)> m_action;
    QTimer m_timer;
};
