#pragma once

#include <QString>
#include <functional>

class QWidget;

// The note dialog component: the subject and message to show and, after "OK", the ones entered.
class TPostNoteDlg
{
public:
    // Shows the dialog on the texts and gives true when the user pressed "OK", with the texts
    // entered in place.
    using Runner = std::function<bool(QString &subject, QString &message)>;

    explicit TPostNoteDlg(Runner runner) : m_runner(std::move(runner)) {}
    // The note dialog window, modal over parent.
    static Runner windowOver(QWidget *parent);

    bool Execute();

    QString Subject;
    QString TextMessage;

private:
    Runner m_runner;
};
