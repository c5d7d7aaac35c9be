// Typing-aid lists under load: LoadTypingAids on 100,000-line files, the name look-up the
// aids make on every key with 10,000 entries per list, and opening the setup window on
// 100,000 entries per list. Prints one line per figure.
#include "../BenchKit.h"
#include "shell/SettingsStore.h"
#include "typing/TfrmAutocomplete.h"
#include "typing/TypingAidFiles.h"
#include "typing/TypingAidTable.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Runs = 7;

const QString listFiles[] = {TypingAidFiles::Completion, TypingAidFiles::QuickLinks, TypingAidFiles::QuickCorrect,
                             TypingAidFiles::QuickInsert, TypingAidFiles::QuickWords};

QString randomWord(QRandomGenerator &random, int length)
{
    QString word;
    for (int i = 0; i < length; ++i)
        word += QChar(u'a' + random.bounded(26));
    return word;
}

QStringList listLines(int count, QRandomGenerator &random)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << randomWord(random, 4 + random.bounded(8)) + QLatin1Char('=') + randomWord(random, 10 + random.bounded(30));
    return lines;
}

// Nothing is asked while the window only opens.
class SilentPrompter : public Prompter
{
public:
    void message(const QString &, const QString &) override {}
    Answer question(const QString &, const QString &, Buttons) override { return Answer::Cancel; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFile(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> folder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> colour(const QColor &) override { return {}; }
    std::optional<QFont> font(const QFont &) override { return {}; }
};

void writeLists(const QString &folder, const QList<QString> &files, int lines, QRandomGenerator &random)
{
    for (const QString &file : listFiles)
        QFile::remove(TypingAidFiles::path(folder, file));
    for (const QString &file : files)
        TypingAidFiles::write(folder, file, listLines(lines, random));
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QRandomGenerator random(20261208);
    TypingAidTable table(folder.path());

    SettingsStore settings(QDir(folder.path()).filePath(QStringLiteral("registry.ini")));
    SilentPrompter prompter;
    const auto openWindow = [&] {
        TfrmAutocomplete setup(folder.path(), settings, prompter, [](const QString &, int, int) {});
        setup.show();
        QCoreApplication::processEvents();
    };

    writeLists(folder.path(), {TypingAidFiles::QuickCorrect}, 100000, random);
    std::printf("typingaids: LoadTypingAids, one 100,000-line list: median %.1f ms over %d runs\n",
                BenchKit::medianMs(Runs, [&] { table.LoadTypingAids(); }), Runs);
    std::printf("typingaids: Auto Complete Setup opened on one 100,000-line list: median %.1f ms over %d runs\n",
                BenchKit::medianMs(Runs, openWindow), Runs);

    writeLists(folder.path(), QList<QString>(std::begin(listFiles), std::end(listFiles)), 100000, random);
    std::printf("typingaids: LoadTypingAids, five 100,000-line lists: median %.1f ms over %d runs\n",
                BenchKit::medianMs(Runs, [&] { table.LoadTypingAids(); }), Runs);
    std::printf("typingaids: Auto Complete Setup opened on five 100,000-line lists: median %.1f ms over %d runs\n",
                BenchKit::medianMs(Runs, openWindow), Runs);

    writeLists(folder.path(), QList<QString>(std::begin(listFiles), std::end(listFiles)), 10000, random);
    table.LoadTypingAids();
    const QStringList words = table.sectionLines(TypingAidTable::Section::QuickWords);
    constexpr int LookUps = 200000;
    QStringList probes;
    for (int i = 0; i < LookUps; ++i) {
        // Half the words typed are in the list, half are not.
        probes << (i % 2 ? words.at(random.bounded(words.size())).section(QLatin1Char('='), 0, 0).toUpper()
                         : randomWord(random, 6));
    }
    int found = 0;
    const double lookUps = BenchKit::medianMs(Runs, [&] {
        for (const QString &probe : probes)
            found += table.valueOf(probe, TypingAidTable::Section::QuickWords).has_value();
    });
    std::printf("typingaids: look-up in a section of 10,000 entries: %.2f us per word (%d found)\n",
                lookUps * 1000.0 / LookUps, found / Runs);
    return 0;
}
