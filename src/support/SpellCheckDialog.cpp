#include "support/SpellCheckDialog.h"

#include "support/SpellCheckRun.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

SpellCheckDialog::SpellCheckDialog(SpellCheckRun &run, std::function<void()> showOptions, QWidget *parent)
    : QDialog(parent), m_run(run), m_showOptions(std::move(showOptions)), m_reason(new QLabel(this)),
      m_sentence(new QTextEdit(this)), m_changeTo(new QLineEdit(this)), m_suggestions(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Spell Check"));
    setModal(true);
    m_reason->setObjectName(QStringLiteral("reason"));
    m_sentence->setObjectName(QStringLiteral("sentence"));
    m_sentence->setReadOnly(true);
    m_sentence->setFixedHeight(70);
    m_changeTo->setObjectName(QStringLiteral("changeTo"));
    m_suggestions->setObjectName(QStringLiteral("suggestions"));

    auto *grid = new QGridLayout;
    grid->addWidget(m_reason, 0, 0);
    grid->addWidget(m_sentence, 1, 0);
    auto *changeLabel = new QLabel(QStringLiteral("Change &To:"), this);
    changeLabel->setBuddy(m_changeTo);
    grid->addWidget(changeLabel, 2, 0);
    grid->addWidget(m_changeTo, 3, 0);
    auto *suggestionsLabel = new QLabel(QStringLiteral("Su&ggestions:"), this);
    suggestionsLabel->setBuddy(m_suggestions);
    grid->addWidget(suggestionsLabel, 4, 0);
    grid->addWidget(m_suggestions, 5, 0);

    auto *buttons = new QVBoxLayout;
    grid->addLayout(buttons, 1, 1, 5, 1);
    setLayout(grid);
    const auto column = [buttons](QPushButton *button) { buttons->addWidget(button); };
    column(addButton(QStringLiteral("&Ignore"), QStringLiteral("ignore"), [this] { m_run.ignore(); }));
    column(addButton(QStringLiteral("I&gnore All"), QStringLiteral("ignoreAll"), [this] { m_run.ignoreAll(); }));
    column(m_change = addButton(QStringLiteral("&Change"), QStringLiteral("change"),
                                [this] { m_run.change(m_changeTo->text()); }));
    column(m_changeAll = addButton(QStringLiteral("Change A&ll"), QStringLiteral("changeAll"),
                                   [this] { m_run.changeAll(m_changeTo->text()); }));
    column(m_add = addButton(QStringLiteral("&Add"), QStringLiteral("add"), [this] { m_run.add(); }));
    column(m_autoCorrect = addButton(QStringLiteral("A&utoCorrect"), QStringLiteral("autoCorrect"),
                                     [this] { m_run.autoCorrect(m_changeTo->text()); }));
    column(m_undo = addButton(QStringLiteral("&Undo"), QStringLiteral("undo"), [this] { m_run.undo(); }));
    buttons->addStretch();
    column(addButton(QStringLiteral("&Options..."), QStringLiteral("options"), [this] {
        if (m_showOptions)
            m_showOptions();
    }));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QPushButton::clicked, this, &SpellCheckDialog::reject);
    column(cancel);

    connect(m_suggestions, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_changeTo->setText(text);
    });
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { m_change->click(); });
    connect(m_changeTo, &QLineEdit::textChanged, this, &SpellCheckDialog::updateButtons);
    refresh();
}

QPushButton *SpellCheckDialog::addButton(const QString &caption, const QString &name, std::function<void()> action)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
        action();
        refresh();
    });
    return button;
}

void SpellCheckDialog::refresh()
{
    if (m_run.finished()) {
        if (m_run.cancelled())
            QDialog::reject();
        else
            accept();
        return;
    }
    const SpellCheckRun::Finding &finding = m_run.finding();
    m_reason->setText(finding.repeated ? QStringLiteral("Repeated Word:") : QStringLiteral("Not in Dictionary:"));
    const SpellCheckRun::Context context = m_run.context();
    const QString word = context.sentence.mid(context.wordStart, finding.word.size());
    m_sentence->setHtml(context.sentence.left(context.wordStart).toHtmlEscaped() +
                        QStringLiteral("<b><font color=\"red\">") + word.toHtmlEscaped() + QStringLiteral("</font></b>") +
                        context.sentence.mid(context.wordStart + word.size()).toHtmlEscaped());
    const QStringList suggestions = m_run.suggestions();
    m_suggestions->blockSignals(true);
    m_suggestions->clear();
    m_suggestions->addItems(suggestions);
    m_suggestions->blockSignals(false);
    if (finding.repeated) {
        m_changeTo->clear();
    } else if (!suggestions.isEmpty()) {
        m_suggestions->setCurrentRow(0);
        m_changeTo->setText(suggestions.first());
    } else {
        m_changeTo->setText(finding.word);
    }
    m_change->setText(finding.repeated ? QStringLiteral("&Delete") : QStringLiteral("&Change"));
    updateButtons();
}

void SpellCheckDialog::updateButtons()
{
    if (m_run.finished())
        return;
    const SpellCheckRun::Finding &finding = m_run.finding();
    const QString replacement = m_changeTo->text();
    const bool differs = replacement != finding.word;
    m_changeAll->setEnabled(!finding.repeated && differs && !replacement.isEmpty());
    m_add->setEnabled(!finding.repeated);
    m_autoCorrect->setEnabled(!finding.repeated && differs && !replacement.isEmpty());
    m_undo->setEnabled(m_run.canUndo());
}

void SpellCheckDialog::reject()
{
    m_run.cancel();
    QDialog::reject();
}

void SpellCheckDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !m_run.finished())
        m_run.deactivated();
}
