#include "support/SpellChecker.h"

#include "support/SpellCheckDialog.h"
#include "support/SpellCheckRun.h"
#include "support/SpellOptionsDialog.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QDir>

namespace {
const QString Caption = QStringLiteral("Spell Check");
}

SpellChecker::SpellChecker(QString dataFolder, Prompter &prompter, QWidget *dialogParent,
                           QStringList dictionaryFolders)
    : m_dataFolder(std::move(dataFolder)), m_prompter(prompter), m_dialogParent(dialogParent),
      m_config(QDir(m_dataFolder).filePath(SpellConfig::FileName)), m_engine(std::move(dictionaryFolders))
{
    m_runDialog = [this](SpellCheckRun &run) { runDialog(run); };
    m_runOptions = [this](const SpellOptions &options) { return SpellOptionsDialog::ask(options, m_dialogParent); };
}

SpellChecker::~SpellChecker() = default;

void SpellChecker::readConfiguration()
{
    SpellConfig::writeIfMissing(m_dataFolder);
    m_config.read();
    m_engine.configure(m_config);
}

std::optional<QString> SpellChecker::checkText(const QString &text, SpellCheckEvents &events)
{
    const bool usable = m_engine.load();
    if (!m_engine.problem().isEmpty())
        m_prompter.message(m_engine.problem(), Caption);
    if (!usable)
        return std::nullopt;
    SpellCheckRun run(m_engine, events, text);
    run.start();
    if (!run.finished())
        m_runDialog(run);
    if (!run.finished())
        run.cancel();
    if (!run.cancelled())
        m_prompter.message(QStringLiteral("The spelling check is complete."), Caption);
    return run.text();
}

void SpellChecker::runDialog(SpellCheckRun &run)
{
    SpellCheckDialog dialog(run, [this] { showOptions(); }, m_dialogParent);
    m_dialog = &dialog;
    dialog.exec();
}

void SpellChecker::showOptions()
{
    const std::optional<SpellOptions> options = m_runOptions(m_engine.options());
    if (!options)
        return;
    m_engine.setOptions(*options);
    m_config.writeOptions(*options);
}

void SpellChecker::giveFocus()
{
    // A box the program shows over the dialog (a question while it runs) keeps the focus.
    if (!m_dialog || QApplication::activeModalWidget() != m_dialog.data())
        return;
    m_dialog->raise();
    m_dialog->activateWindow();
}
