#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class SpellCheckRun;

// The modal check dialog: the word asked about in its sentence, the suggestions, the
// replacement and the choices. It binds the controls to a SpellCheckRun and closes when the
// run is over; Cancel or closing the window cancels the run.
class SpellCheckDialog : public QDialog
{
    Q_OBJECT
public:
    // showOptions runs the options dialog ("Options...").
    SpellCheckDialog(SpellCheckRun &run, std::function<void()> showOptions, QWidget *parent = nullptr);

    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    // Shows the run's current word, or closes when the run is over.
    void refresh();
    void updateButtons();
    QPushButton *addButton(const QString &caption, const QString &name, std::function<void()> action);

    SpellCheckRun &m_run;
    std::function<void()> m_showOptions;
    QLabel *m_reason;
    QTextEdit *m_sentence;
    QLineEdit *m_changeTo;
    QListWidget *m_suggestions;
    QPushButton *m_change = nullptr;
    QPushButton *m_changeAll = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_autoCorrect = nullptr;
    QPushButton *m_undo = nullptr;
};
