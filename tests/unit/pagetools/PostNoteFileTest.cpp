#include "pagetools/notes/PostNoteFile.h"
#include "testkit/TestRegistry.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;
using Note = PostNoteFile::Note;

// The lines of the notes file: note lines, page blocks and page keys.
class PostNoteFileTest : public QObject
{
    Q_OBJECT

private slots:
    void noteLinesAreRead_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("read");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<QString>("message");

        QTest::newRow("point decimals") << u"0.250|0.750|Subject|Text"_s << true << 0.25 << 0.75 << u"Text"_s;
        QTest::newRow("comma decimals") << u"0,250|0,750|Subject|Text"_s << true << 0.25 << 0.75 << u"Text"_s;
        QTest::newRow("line breaks") << u"0.100|0.200|Subject|one<br>two<br><br>four"_s << true << 0.1 << 0.2
                                     << u"one\ntwo\n\nfour"_s;
        QTest::newRow("empty texts") << u"0.000|0.000||"_s << true << 0.0 << 0.0 << QString();
        QTest::newRow("three fields") << u"0.250|0.750|Subject"_s << false << 0.0 << 0.0 << QString();
        QTest::newRow("five fields") << u"0.250|0.750|Subject|Text|more"_s << false << 0.0 << 0.0 << QString();
        QTest::newRow("empty line") << QString() << false << 0.0 << 0.0 << QString();
        QTest::newRow("no number") << u"left|0.750|Subject|Text"_s << false << 0.0 << 0.0 << QString();
        QTest::newRow("both separators") << u"1,000.5|0.750|Subject|Text"_s << false << 0.0 << 0.0 << QString();
        QTest::newRow("not finite") << u"nan|inf|Subject|Text"_s << false << 0.0 << 0.0 << QString();
        QTest::newRow("far beyond any screen") << u"1e300|0.5|Subject|Text"_s << false << 0.0 << 0.0 << QString();
    }

    void noteLinesAreRead()
    {
        QFETCH(QString, line);
        QFETCH(bool, read);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(QString, message);
        const std::optional<Note> note = PostNoteFile::readNoteLine(line);
        QCOMPARE(note.has_value(), read);
        if (!note)
            return;
        QCOMPARE(note->left, left);
        QCOMPARE(note->top, top);
        QCOMPARE(note->subject, line.section(u'|', 2, 2));
        QCOMPARE(note->message, message);
    }

    void noteLinesAreWrittenWithAPointWhateverTheLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString line = PostNoteFile::noteLine(Note{0.9416, 1.0 / 3, u"Sub|ject"_s, u"one\r\ntwo\nthree"_s});
        QLocale::setDefault(previous);
        QCOMPARE(line, u"0.942|0.333|Subject|one<br>two<br>three"_s);
        const std::optional<Note> back = PostNoteFile::readNoteLine(line);
        QVERIFY(back);
        QCOMPARE(back->message, u"one\ntwo\nthree"_s);
    }

    void pageKeysEndBeforeTheFirstHash_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("key");
        QTest::newRow("no fragment") << u"http://a.test/page"_s << u"http://a.test/page"_s;
        QTest::newRow("fragment") << u"http://a.test/page#part"_s << u"http://a.test/page"_s;
        QTest::newRow("two hashes") << u"http://a.test/page#a#b"_s << u"http://a.test/page"_s;
        QTest::newRow("bare hash") << u"#top"_s << QString();
    }

    void pageKeysEndBeforeTheFirstHash()
    {
        QFETCH(QString, address);
        QFETCH(QString, key);
        QCOMPARE(PostNoteFile::pageKey(address), key);
    }

    void blocksRunToTheNextHeaderAndAreReplacedAtTheEnd()
    {
        const QStringList lines{u"kept before any page"_s,
                                u"[http://a.test/]"_s,
                                u"0.100|0.100|A1|first"_s,
                                QString(),
                                u"damaged line"_s,
                                u"0.200|0.200|A2|second"_s,
                                u"[http://b.test/]"_s,
                                u"0.300|0.300|B|third"_s};
        PostNoteFile file(lines);
        // Headers match without regard to case; an empty line ends no block; damage is skipped.
        const QList<Note> a = file.notes(u"HTTP://A.TEST/"_s);
        QCOMPARE(a.size(), 2);
        QCOMPARE(a.at(1).subject, u"A2"_s);
        QVERIFY(file.notes(u"http://c.test/"_s).isEmpty());

        file.replaceNotes(u"http://a.test/"_s, {Note{0.5, 0.25, u"A"_s, u"new"_s}});
        QCOMPARE(file.lines(), (QStringList{u"kept before any page"_s, u"[http://b.test/]"_s, u"0.300|0.300|B|third"_s,
                                            u"[http://a.test/]"_s, u"0.500|0.250|A|new"_s}));

        // A page saved without notes keeps no block at all.
        file.replaceNotes(u"http://b.test/"_s, {});
        QCOMPARE(file.lines(),
                 (QStringList{u"kept before any page"_s, u"[http://a.test/]"_s, u"0.500|0.250|A|new"_s}));
    }
};

KESTREL_TEST(PostNoteFileTest)
#include "PostNoteFileTest.moc"
