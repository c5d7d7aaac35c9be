#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "typing/TypingAidTable.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Section = TypingAidTable::Section;

void writeRaw(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// The reference: first line of the range whose name equals the wanted one, by a plain scan.
std::optional<QString> scanFor(const QStringList &lines, int begin, int end, const QString &name)
{
    for (int i = begin; i < end; ++i) {
        const qsizetype equals = lines.at(i).indexOf(QLatin1Char('='));
        if (equals > 0 && QString::compare(lines.at(i).left(equals), name, Qt::CaseInsensitive) == 0)
            return lines.at(i).mid(equals + 1);
    }
    return std::nullopt;
}
}

// The in-memory typing-aid table: its sections as LoadTypingAids builds them from the files, and
// the name look-ups the address bar and in-page aids make on it.
class TypingAidTableTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void sectionsComeInFixedOrderAndMissingFilesAreLeftOut()
    {
        QTemporaryDir folder;
        writeRaw(folder, QStringLiteral("qwords.dat"), crlf({QStringLiteral("\\sl=Statute of Limitations")}));
        writeRaw(folder, QStringLiteral("qcorrect.dat"), crlf({QStringLiteral("adn=and"), QStringLiteral("teh=the")}));
        writeRaw(folder, QStringLiteral("tbauto.dat"), crlf({QStringLiteral("Alaska"), QString(), QStringLiteral("alright")}));
        writeRaw(folder, QStringLiteral("pdata.dat"), crlf({QStringLiteral("[NAMES]"), QStringLiteral("First Name")}));

        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        // Lines go in exactly as stored, blank ones included; the personal data stays out.
        QCOMPARE(table.lines(), QStringList({QStringLiteral("[Text Box Auto Complete]"), QStringLiteral("Alaska"),
                                             QString(), QStringLiteral("alright"), QStringLiteral("[Quick Correct]"),
                                             QStringLiteral("adn=and"), QStringLiteral("teh=the"),
                                             QStringLiteral("[Quick Words]"), QStringLiteral("\\sl=Statute of Limitations"),
                                             QStringLiteral("[Personal Info]")}));
        QVERIFY(!table.hasSection(Section::QuickLinks));
        QVERIFY(table.sectionLines(Section::QuickLinks).isEmpty());
        QCOMPARE(table.sectionLines(Section::QuickCorrect), QStringList({QStringLiteral("adn=and"), QStringLiteral("teh=the")}));
        QVERIFY(table.hasSection(Section::PersonalInfo));
        QVERIFY(table.sectionLines(Section::PersonalInfo).isEmpty());
    }

    void anEmptyFileStillGivesItsHeader()
    {
        QTemporaryDir folder;
        writeRaw(folder, QStringLiteral("qlink.dat"), QByteArray());
        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        QCOMPARE(table.lines(), QStringList({QStringLiteral("[Quick Links]")}));
    }

    void lookUpFindsTheFirstMatchInTableOrderIgnoringCase()
    {
        QTemporaryDir folder;
        writeRaw(folder, QStringLiteral("qlink.dat"),
                 crlf({QStringLiteral("@mail=me@example.com"), QStringLiteral("@MAIL=second@example.com"),
                       QStringLiteral("@site=http://a.example/?q=1=2")}));
        writeRaw(folder, QStringLiteral("qcorrect.dat"), crlf({QStringLiteral("@mail=from correct"), QStringLiteral("adn=and")}));
        TypingAidTable table(folder.path());
        table.LoadTypingAids();

        QCOMPARE(table.valueOf(QStringLiteral("@Mail")), QStringLiteral("me@example.com"));
        QCOMPARE(table.valueOf(QStringLiteral("@SITE")), QStringLiteral("http://a.example/?q=1=2"));
        QCOMPARE(table.valueOf(QStringLiteral("@mail"), Section::QuickCorrect), QStringLiteral("from correct"));
        QCOMPARE(table.valueOf(QStringLiteral("ADN"), Section::QuickCorrect), QStringLiteral("and"));
        QCOMPARE(table.valueOf(QStringLiteral("adn"), Section::QuickLinks), std::nullopt);
        QCOMPARE(table.valueOf(QStringLiteral("adn"), Section::QuickWords), std::nullopt);
        QCOMPARE(table.valueOf(QStringLiteral("@nothing")), std::nullopt);
        // Headers and lines without "=" have no name; neither has the empty word.
        QCOMPARE(table.valueOf(QStringLiteral("[Quick Links]")), std::nullopt);
        QCOMPARE(table.valueOf(QString()), std::nullopt);
    }

    void anEmptyValueIsFoundAsSuch()
    {
        QTemporaryDir folder;
        writeRaw(folder, QStringLiteral("qlink.dat"), crlf({QStringLiteral("@blank=")}));
        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        QCOMPARE(table.valueOf(QStringLiteral("@blank")), QString());
        QVERIFY(table.valueOf(QStringLiteral("@blank")).has_value());
    }

    void dataLinesLookingLikeHeadersDoNotMoveSections()
    {
        QTemporaryDir folder;
        writeRaw(folder, QStringLiteral("qcorrect.dat"), crlf({QStringLiteral("[Quick Words]"), QStringLiteral("x=correct")}));
        writeRaw(folder, QStringLiteral("qwords.dat"), crlf({QStringLiteral("x=word")}));
        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        QCOMPARE(table.valueOf(QStringLiteral("x"), Section::QuickWords), QStringLiteral("word"));
        QCOMPARE(table.valueOf(QStringLiteral("x"), Section::QuickCorrect), QStringLiteral("correct"));
    }

    void everyLoadRebuildsTheTableAndItsIndex()
    {
        QTemporaryDir folder;
        writeRaw(folder, QStringLiteral("qcorrect.dat"), crlf({QStringLiteral("adn=and")}));
        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        QCOMPARE(table.valueOf(QStringLiteral("adn")), QStringLiteral("and"));

        writeRaw(folder, QStringLiteral("qcorrect.dat"), crlf({QStringLiteral("teh=the")}));
        writeRaw(folder, QStringLiteral("qwords.dat"), crlf({QStringLiteral("adn=word")}));
        table.LoadTypingAids();
        QCOMPARE(table.valueOf(QStringLiteral("adn")), QStringLiteral("word"));
        QCOMPARE(table.valueOf(QStringLiteral("teh")), QStringLiteral("the"));

        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("qwords.dat"))));
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("qcorrect.dat"))));
        table.LoadTypingAids();
        QVERIFY(table.lines().isEmpty());
        QCOMPARE(table.valueOf(QStringLiteral("adn")), std::nullopt);
    }

    void sectionsAreNamedByTheirHeaders()
    {
        QCOMPARE(TypingAidTable::sectionNamed(QStringLiteral("[Quick Insert]")), Section::QuickInsert);
        QCOMPARE(TypingAidTable::sectionNamed(QStringLiteral("[Text Box Auto Complete]")), Section::TextBoxAutoComplete);
        QCOMPARE(TypingAidTable::sectionNamed(QStringLiteral("[quick insert]")), std::nullopt);
    }

    // The index must answer exactly as a scan in table order would, whatever the names.
    void indexAgreesWithAScanOnRandomData()
    {
        QTemporaryDir folder;
        QRandomGenerator random(42);
        // Few letters, so names repeat; letters whose case folding is not plain ASCII included.
        const QString alphabet = QStringLiteral("aAbB=\u00e9\u00c9\u00df\u03c3\u03a3\u03c2\u017fsS\u212ak");
        const auto randomText = [&](int maxLength) {
            QString text;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i)
                text += alphabet.at(random.bounded(alphabet.size()));
            return text;
        };
        const QStringList files{QStringLiteral("tbauto.dat"), QStringLiteral("qlink.dat"), QStringLiteral("qcorrect.dat"),
                                QStringLiteral("qinsert.dat"), QStringLiteral("qwords.dat")};
        for (const QString &file : files) {
            QStringList lines;
            for (int i = 0; i < 400; ++i)
                lines << randomText(4) + (random.bounded(4) ? QStringLiteral("=") : QString()) + QString::number(i);
            writeRaw(folder, file, crlf(lines));
        }
        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        const QStringList &lines = table.lines();

        for (int probe = 0; probe < 3000; ++probe) {
            const QString name = randomText(4);
            QCOMPARE(table.valueOf(name), scanFor(lines, 0, static_cast<int>(lines.size()), name));
            for (int section = 0; section < 5; ++section) {
                const int begin = static_cast<int>(lines.indexOf(TypingAidTable::header(static_cast<Section>(section)))) + 1;
                const int end = begin + static_cast<int>(table.sectionLines(static_cast<Section>(section)).size());
                QCOMPARE(table.valueOf(name, static_cast<Section>(section)), scanFor(lines, begin, end, name));
            }
        }
    }

    void badFilesLoadWithoutHarm()
    {
        QTemporaryDir folder;
        QRandomGenerator random(7);
        QByteArray garbage(64 * 1024, Qt::Uninitialized);
        for (char &byte : garbage)
            byte = static_cast<char>(random.bounded(256));
        writeRaw(folder, QStringLiteral("tbauto.dat"), garbage);
        const QString longName = QString(1024 * 1024, QLatin1Char('n'));
        writeRaw(folder, QStringLiteral("qlink.dat"),
                 crlf({longName + QStringLiteral("=far"), QString(1024 * 1024, QLatin1Char('v'))}));
        QStringList noEquals;
        for (int i = 0; i < 1000; ++i)
            noEquals << QStringLiteral("word%1").arg(i);
        writeRaw(folder, QStringLiteral("qcorrect.dat"), crlf(noEquals));
        QStringList many;
        for (int i = 0; i < 100000; ++i)
            many << QStringLiteral("\\w%1=text %1").arg(i);
        writeRaw(folder, QStringLiteral("qwords.dat"), crlf(many));

        TypingAidTable table(folder.path());
        table.LoadTypingAids();
        QVERIFY(table.hasSection(Section::TextBoxAutoComplete));
        QCOMPARE(table.valueOf(longName.toUpper()), QStringLiteral("far"));
        QCOMPARE(table.valueOf(QStringLiteral("word5")), std::nullopt);
        QCOMPARE(table.sectionLines(Section::QuickCorrect).size(), 1000);
        QCOMPARE(table.valueOf(QStringLiteral("\\W99999"), Section::QuickWords), QStringLiteral("text 99999"));
        QCOMPARE(table.sectionLines(Section::QuickWords).size(), 100000);
    }
};

KESTREL_TEST(TypingAidTableTest)
#include "TypingAidTableTest.moc"
