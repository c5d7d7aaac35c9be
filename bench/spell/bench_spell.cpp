// Spell checking a 10,000-word text. Host: finding every misspelling with the check run (word
// parsing, the options' skips, repeated words, Hunspell) against bare Hunspell look-ups of the
// same words split at blanks, in the same run. Real page: from "Spell Check" on a 10,000-word
// text area to the check dialog showing its first word (field read, dictionary loaded, word
// marked in the page), against a bare read of the field's value.
#include "../BenchKit.h"
#include "../BenchPage.h"
#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "shell/DataFolder.h"
#include "spell/PageSpellCheck.h"
#include "support/HunspellDictionary.h"
#include "support/SpellCheckDialog.h"
#include "support/SpellCheckEvents.h"
#include "support/SpellCheckRun.h"
#include "support/SpellChecker.h"
#include "testkit/LoopbackServer.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/WaitUntil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QWebEnginePage>
#include <algorithm>
#include <cstdio>
#include <hunspell.hxx>
#include <vector>

using BenchKit::median;

namespace {
constexpr int Words = 10000;
constexpr int Rounds = 5;

// Ordinary prose with one word in fifty misspelled.
QString text()
{
    const QStringList words = QStringLiteral(
        "the quick brown fox jumps over a lazy dog while people walk into town and talk about "
        "their work weather children houses gardens music books letters friends morning evening")
                                  .split(QLatin1Char(' '));
    const QStringList wrong = {QStringLiteral("teh"), QStringLiteral("recieve"), QStringLiteral("wrld"),
                               QStringLiteral("becuase"), QStringLiteral("freind")};
    QString result;
    for (int i = 0; i < Words; ++i) {
        result += i % 50 == 49 ? wrong.at((i / 50) % wrong.size()) : words.at((i * 7) % words.size());
        result += i % 12 == 11 ? QStringLiteral(".\r\n") : QStringLiteral(" ");
    }
    return result;
}

class NoEvents : public SpellCheckEvents
{
public:
    void misspelling(const QString &, int, int) override {}
    void replacement(const QString &, int, int, const QString &) override {}
    void autoCorrect(const QString &, const QString &) override {}
    void deactivated() override {}
};

double elapsedMs(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = DataFolder::path();
    ScriptedPrompter prompter;
    SpellChecker checker(folder, prompter, nullptr, HunspellDictionary::systemFolders());
    checker.readConfiguration();
    if (!checker.engine().load()) {
        std::fprintf(stderr, "spell: %s\n", qPrintable(checker.engine().problem()));
        return 1;
    }
    const QString sample = text();

    // Host: every misspelling found, each ignored once.
    std::vector<double> run;
    int found = 0;
    for (int round = 0; round < Rounds; ++round) {
        NoEvents events;
        QElapsedTimer clock;
        clock.start();
        SpellCheckRun check(checker.engine(), events, sample);
        check.start();
        found = 0;
        for (; !check.finished(); ++found)
            check.ignore();
        run.push_back(elapsedMs(clock));
    }
    const HunspellDictionary::Files files =
        HunspellDictionary{QStringLiteral("en_US"), QStringLiteral("hunspell-en-us")}.locate(HunspellDictionary::systemFolders());
    Hunspell bare(files.affix.toLocal8Bit().constData(), files.words.toLocal8Bit().constData());
    std::vector<std::string> split;
    for (const QString &word : sample.split(QRegularExpression(QStringLiteral("[\\s.]+")), Qt::SkipEmptyParts))
        split.push_back(word.toStdString());
    std::vector<double> baseline;
    int bareFound = 0;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        bareFound = 0;
        for (const std::string &word : split)
            bareFound += bare.spell(word) ? 0 : 1;
        baseline.push_back(elapsedMs(clock));
    }
    std::printf("host, 10,000 words: every misspelling (%d) found in %.1f ms (median of %d); bare Hunspell "
                "look-ups (%d) %.1f ms; ratio %.2f\n",
                found, median(run), Rounds, bareFound, median(baseline), median(run) / median(baseline));

    // Real page: Spell Check to the dialog's first word on a 10,000-word text area.
    LoopbackServer server;
    QString html = sample;
    html.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    server.serve(QStringLiteral("/spell.html"),
                 QByteArray("<!DOCTYPE html><html><body><textarea id=\"area\" rows=\"20\" cols=\"80\">") +
                     html.toHtmlEscaped().toUtf8() + QByteArray("</textarea></body></html>"));
    TKestrelWB view;
    view.resize(800, 600);
    view.show();
    if (!BenchKit::loadInView(view, server.url(QStringLiteral("/spell.html")))) {
        std::fprintf(stderr, "spell: the page did not load\n");
        return 1;
    }
    const auto area = view.Document()->elementById(QStringLiteral("area"));
    if (!area || !area->focus()) {
        std::fprintf(stderr, "spell: no text area to check\n");
        return 1;
    }
    PageSpellCheck pageCheck(checker, prompter, folder, [&view] { return view.Document(); }, [] {});
    std::vector<double> firstWord;
    std::vector<double> read;
    QElapsedTimer clock;
    checker.setDialogRunner([&](SpellCheckRun &current) {
        SpellCheckDialog dialog(current, {});
        dialog.show();
        QCoreApplication::processEvents();
        firstWord.push_back(elapsedMs(clock));
        dialog.reject();
    });
    for (int round = 0; round < Rounds; ++round) {
        // A fresh engine each round: the dictionary load is part of the first check.
        checker.readConfiguration();
        clock.start();
        pageCheck.SpellCheck();
        clock.start();
        area->value();
        read.push_back(elapsedMs(clock));
    }
    std::printf("page, 10,000-word text area: Spell Check to the first word shown %.1f ms (median of %d, "
                "dictionary loaded each time); reading the field alone %.1f ms; ratio %.1f\n",
                median(firstWord), Rounds, median(read), median(firstWord) / median(read));
    return 0;
}
