#include "shell/TextFile.h"
#include "support/HunspellDictionary.h"
#include "support/SpellConfig.h"
#include "support/SpellEngine.h"
#include "support/SpellWords.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
}

// The spell checker's word engine on Hunspell: its configuration file, the words it cuts a
// text into, its answers and suggestions, and the user dictionary.
class SpellEngineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString configPath() const { return m_dir.filePath(SpellConfig::FileName); }

    std::unique_ptr<SpellEngine> engine(const QStringList &folders = HunspellDictionary::systemFolders())
    {
        SpellConfig::writeIfMissing(m_dir.path());
        SpellConfig config(configPath());
        config.read();
        auto result = std::make_unique<SpellEngine>(folders);
        result->configure(config);
        return result;
    }

private slots:
    void init()
    {
        failOnQtWarnings();
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void theFirstConfigurationIsWrittenOnceInItsOrder()
    {
        QVERIFY(SpellConfig::writeIfMissing(m_dir.path()));
        const QString d = m_dir.path() + u'/';
        const QByteArray expected = "[addict]\r\nID=1\r\nU_MU_DCT_ListCount=3\r\nM_DCT_ListCount=3\r\nU_DCT_ListCount=1\r\n"
                                    "U_DCT_0=T" + d.toUtf8() + "default.udt\r\nsoUpcase=0\r\nsoNumbers=0\r\n"
                                    "soAutoSuggest=1\r\nsoPrimaryOnly=1\r\nsoRecheck=1\r\nsoRepeated=1\r\nsoDualCaps=0\r\n"
                                    "soHTML=1\r\nsoInternet=1\r\nsoQuoted=0\r\nsoUser1=0\r\nsoUser2=0\r\nsoUser3=0\r\n"
                                    "soUser4=0\r\nUserIndex=0\r\nU_MU_DCT_0=T" + d.toUtf8() + "English.dct\r\n"
                                    "U_MU_DCT_1=T" + d.toUtf8() + "American.dct\r\nU_MU_DCT_2=F" + d.toUtf8() +
                                    "British.dct\r\nM_DCT_0=English Dictionary (US)\r\nM_DCT_1=American English (US)\r\n"
                                    "M_DCT_2=British Words Addon\r\n";
        QCOMPARE(readRaw(configPath()), expected);

        // A file that is there is the user's: never written over.
        QVERIFY(writeRaw(configPath(), "[addict]\r\nsoUpcase=1\r\n"));
        QVERIFY(!SpellConfig::writeIfMissing(m_dir.path()));
        QCOMPARE(readRaw(configPath()), QByteArray("[addict]\r\nsoUpcase=1\r\n"));
    }

    void optionsAreReadAndWrittenBackKeepingTheOtherLines()
    {
        SpellConfig::writeIfMissing(m_dir.path());
        SpellConfig config(configPath());
        config.read();
        QCOMPARE(config.options(), SpellOptions());
        const QList<SpellConfig::Dictionary> dictionaries = config.dictionaries();
        QCOMPARE(dictionaries.size(), 3);
        QVERIFY(dictionaries.at(0).enabled && dictionaries.at(1).enabled && !dictionaries.at(2).enabled);
        QCOMPARE(dictionaries.at(2).caption, u"British Words Addon"_s);
        QCOMPARE(config.userDictionaryPath(), m_dir.path() + u"/default.udt"_s);

        const QByteArray before = readRaw(configPath());
        SpellOptions options;
        options.ignoreUpperCase = true;
        options.recheck = false;
        QVERIFY(config.writeOptions(options));
        QByteArray expected = before;
        expected.replace("soUpcase=0", "soUpcase=1").replace("soRecheck=1", "soRecheck=0");
        QCOMPARE(readRaw(configPath()), expected);
        SpellConfig reread(configPath());
        reread.read();
        QCOMPARE(reread.options(), options);
    }

    void wordsAsTheOptionsCutThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ignore"); // 1 capitals, 2 digits, 4 HTML, 8 addresses
        QTest::addColumn<QString>("words");
        const int all = 1 | 2 | 4 | 8;
        QTest::newRow("capitals checked") << u"Teh NASA rocket"_s << 0 << u"Teh|NASA|rocket"_s;
        QTest::newRow("capitals skipped") << u"Teh NASA rocket"_s << 1 << u"Teh|rocket"_s;
        QTest::newRow("digits checked") << u"abc123 and 42"_s << 0 << u"abc123|and"_s;
        QTest::newRow("digits skipped") << u"abc123 and 42"_s << 2 << u"and"_s;
        QTest::newRow("HTML skipped") << u"<b class=x>bold</b> &amp; more"_s << 4 << u"bold|more"_s;
        QTest::newRow("HTML checked") << u"<b>bold</b> &amp;"_s << 0 << u"b|bold|b|amp"_s;
        QTest::newRow("addresses skipped")
            << u"see www.example.com or me@example.org and http://x.y/z now C:\\dir\\file"_s << 8
            << u"see|or|and|now"_s;
        QTest::newRow("apostrophes") << u"'quoted' John's dogs' don't it\u2019s"_s << all
                                     << u"quoted|John|dogs|don't|it"_s;
        QTest::newRow("line breaks") << u"one\r\ntwo-three"_s << all << u"one|two|three"_s;
    }

    void wordsAsTheOptionsCutThem()
    {
        QFETCH(QString, text);
        QFETCH(int, ignore);
        QFETCH(QString, words);
        SpellOptions options;
        options.ignoreUpperCase = ignore & 1;
        options.ignoreNumbers = ignore & 2;
        options.ignoreHtml = ignore & 4;
        options.ignoreInternet = ignore & 8;
        QStringList found;
        for (SpellWords::Word word = SpellWords::next(text, 0, options); word.found();
             word = SpellWords::next(text, word.start + word.length, options))
            found << text.mid(word.start, word.length);
        QCOMPARE(found.join(u'|'), words);
    }

    void suggestionsForAMisspelling()
    {
        const auto checker = engine();
        QVERIFY2(checker->load(), qPrintable(checker->problem()));
        QVERIFY(checker->problem().isEmpty());
        QVERIFY(!checker->isCorrect(u"teh"));
        QVERIFY(checker->isCorrect(u"the"));
        QVERIFY(checker->isCorrect(u"The"));
        const QStringList suggestions = checker->suggestions(u"teh"_s);
        QVERIFY2(suggestions.contains(u"the"_s), qPrintable(suggestions.join(u',')));
        QVERIFY(suggestions.size() <= SpellEngine::MaxSuggestions);
    }

    void aWordAddedToTheUserDictionarySurvivesARestart()
    {
        auto first = engine();
        QVERIFY(first->load());
        QVERIFY(!first->isCorrect(u"Kestrelish"));
        QVERIFY(first->addUserWord(u"Kestrelish"_s));
        QVERIFY(!first->addUserWord(u"Kestrelish"_s));
        QVERIFY(first->isCorrect(u"Kestrelish"));
        QCOMPARE(readRaw(m_dir.filePath(u"default.udt"_s)), QByteArray("Kestrelish\r\n"));
        first.reset();

        const auto second = engine();
        QVERIFY(second->load());
        QVERIFY(second->isCorrect(u"Kestrelish"));
        QVERIFY(second->removeUserWord(u"Kestrelish"_s));
        QVERIFY(!second->isCorrect(u"Kestrelish"));
        QCOMPARE(readRaw(m_dir.filePath(u"default.udt"_s)), QByteArray());
    }

    void aMissingDictionaryNamesThePackageToInstall()
    {
        QTemporaryDir empty;
        const auto none = engine({empty.path()});
        QVERIFY(!none->load());
        QCOMPARE(none->problem(),
                 u"The dictionary \"English Dictionary (US)\" (en_US) is not installed: install the package hunspell-en-us."_s);

        // The British add-on turned on where only the American dictionary is installed: the
        // check goes on with what is there, and the missing one is named.
        QTemporaryDir americanOnly;
        const QString system = HunspellDictionary{u"en_US"_s, u"hunspell-en-us"_s}
                                   .locate(HunspellDictionary::systemFolders()).affix;
        QVERIFY2(!system.isEmpty(), "hunspell-en-us must be installed (scripts/setup.sh)");
        const QString folder = QFileInfo(system).absolutePath();
        QVERIFY(QFile::link(folder + u"/en_US.aff"_s, americanOnly.filePath(u"en_US.aff"_s)));
        QVERIFY(QFile::link(folder + u"/en_US.dic"_s, americanOnly.filePath(u"en_US.dic"_s)));
        SpellConfig::writeIfMissing(m_dir.path());
        QByteArray config = readRaw(configPath());
        QVERIFY(writeRaw(configPath(), config.replace("U_MU_DCT_2=F", "U_MU_DCT_2=T")));
        const auto partial = engine({americanOnly.path()});
        QVERIFY(partial->load());
        QCOMPARE(partial->problem(),
                 u"The dictionary \"British Words Addon\" (en_GB) is not installed: install the package hunspell-en-gb."_s);
        QVERIFY(partial->isCorrect(u"color"));
    }

    void dictionaryLinesMapOntoHunspellDictionaries_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("package");
        QTest::newRow("English") << u"/data/English.dct"_s << u"en_US"_s << u"hunspell-en-us"_s;
        QTest::newRow("American") << u"C:\\Kestrel\\American.dct"_s << u"en_US"_s << u"hunspell-en-us"_s;
        QTest::newRow("British") << u"/data/british.DCT"_s << u"en_GB"_s << u"hunspell-en-gb"_s;
        QTest::newRow("other language") << u"/data/de_DE.dct"_s << u"de_DE"_s << u"hunspell-de-de"_s;
        QTest::newRow("no language") << u"/data/../../etc/passwd.dct"_s << u"passwd"_s << QString();
    }

    void dictionaryLinesMapOntoHunspellDictionaries()
    {
        QFETCH(QString, path);
        QFETCH(QString, language);
        QFETCH(QString, package);
        const HunspellDictionary dictionary = HunspellDictionary::forConfigPath(path);
        QCOMPARE(dictionary.language, language);
        QCOMPARE(dictionary.package, package);
    }
};

KESTREL_TEST(SpellEngineTest)
#include "SpellEngineTest.moc"
