#include "search/MultiSearchTabBar.h"
#include "search/PeopleQuery.h"
#include "search/SiteFile.h"
#include "search/TDropDownList.h"
#include "search/UsStates.h"
#include "shell/TextFile.h"
#include "testkit/TestRegistry.h"
#include "typing/NameValueLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SiteFileTest : public QObject
{
    Q_OBJECT

    static QStringList lines(const char *text) { return TextFile::splitLines(QString::fromUtf8(text)); }

private slots:
    void quickBarSectionReader_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower-case header") << "[searchengines]\na=1\nb=2\n" << "SearchEngines" << "a=1\r\nb=2";
        QTest::newRow("capitals") << "[SEARCHENGINES]\na=1\n" << "SearchEngines" << "a=1";
        QTest::newRow("trailing blank is another header") << "[SearchEngines] \na=1\n" << "SearchEngines" << "";
        QTest::newRow("ends at the next section") << "x=0\n[Financial]\nq=1\n[News]\nn=1\n" << "Financial" << "q=1";
        QTest::newRow("other sections before do nothing") << "[People]\np=1\n[financial]\nq=1\n" << "Financial" << "q=1";
        QTest::newRow("second header starts again, not kept")
            << "[Financial]\nq=1\n[financial]\nr=2\n" << "Financial" << "q=1\r\nr=2";
        QTest::newRow("blank lines kept as they are") << "[Financial]\nq=1\n\nr=2\n" << "Financial" << "q=1\r\n\r\nr=2";
        QTest::newRow("no such section") << "[News]\nn=1\n" << "Financial" << "";
    }

    void quickBarSectionReader()
    {
        QFETCH(QString, file);
        QFETCH(QString, section);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = SiteFile::path(dir.path());
        QVERIFY(TextFile::writeLines(path, TextFile::splitLines(file)));
        QCOMPARE(SiteFile::readSection(path, section), expected);
        QCOMPARE(SiteFile::readSection(dir.filePath(QStringLiteral("missing.dat")), section), QString());
    }

    void multiSearchCategories_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("engines");
        QTest::addColumn<QStringList>("news");
        QTest::newRow("Mine alone") << "[SEARCHENGINES]\nMine=http://mine.example/?q=\n"
                                    << QStringList{QStringLiteral("Mine=http://mine.example/?q=")} << QStringList();
        QTest::newRow("unknown header") << "[News]\nA=1\n[Other]\nB=2\n[news]\nC=3\n" << QStringList()
                                        << QStringList{QStringLiteral("A=1"), QStringLiteral("C=3")};
        QTest::newRow("before the first header, empty lines")
            << "Loose=0\n\n[searchengines]\n\nE=1\n" << QStringList{QStringLiteral("E=1")} << QStringList();
        QTest::newRow("header with a blank") << "[News ]\nA=1\n" << QStringList() << QStringList();
    }

    void multiSearchCategories()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, engines);
        QFETCH(QStringList, news);
        const SiteFile::Categories categories = SiteFile::readCategories(TextFile::splitLines(file));
        QCOMPARE(categories[SiteFile::SearchEngines], engines);
        QCOMPARE(categories[SiteFile::News], news);
        QVERIFY(categories[SiteFile::People].isEmpty());
    }

    void theBuiltInListHasItsSectionsAndNames()
    {
        const QStringList defaults = SiteFile::defaultLines();
        QCOMPARE(defaults.size(), 76);
        QStringList headers;
        for (const QString &line : defaults) {
            if (line.startsWith(QLatin1Char('[')))
                headers.append(line);
        }
        QCOMPARE(headers, (QStringList{QStringLiteral("[SearchEngines]"), QStringLiteral("[People]"),
                                       QStringLiteral("[Financial]"), QStringLiteral("[Reference]"),
                                       QStringLiteral("[News]")}));
        const SiteFile::Categories categories = SiteFile::readCategories(defaults);
        const int counts[SiteFile::CategoryCount] = {18, 7, 18, 9, 19};
        const char *first[SiteFile::CategoryCount] = {"AltaVista", "Bigfoot Email", "SEC Edgar Search", "ABC News",
                                                      "Reverse Phone Number"};
        int endingInQuestionMark = 0;
        for (int c = 0; c < SiteFile::CategoryCount; ++c) {
            QCOMPARE(categories[c].size(), counts[c]);
            QCOMPARE(NameValueLine::nameOf(categories[c].first()).toString(), QString::fromLatin1(first[c]));
            for (const QString &entry : categories[c]) {
                const NameValueLine line = NameValueLine::split(entry);
                QVERIFY2(!line.name.isEmpty() && line.value.startsWith(QLatin1String("https://")), qPrintable(entry));
                QVERIFY2(QUrl(line.value).isValid(), qPrintable(entry));
                if (c == SiteFile::People) {
                    const bool zip = line.name == QLatin1String("Zip Code (put city in last name)");
                    QCOMPARE(line.value.contains(QLatin1String("<FIRSTNAME>")), !zip);
                    QCOMPARE(line.value.contains(QLatin1String("<STATE>")), !zip);
                    QCOMPARE(line.value.contains(QLatin1String("<ST>")), zip);
                    QVERIFY(line.value.contains(QLatin1String("<LASTNAME>")));
                }
                if (line.value.endsWith(QLatin1Char('?')))
                    ++endingInQuestionMark;
            }
        }
        QCOMPARE(endingInQuestionMark, 1);
        // The names the list is known by keep their order.
        const QStringList news = {QStringLiteral("ABC News"), QStringLiteral("CNN"), QStringLiteral("Excite News"),
                                  QStringLiteral("Fox News"), QStringLiteral("MSNBC"), QStringLiteral("News Index"),
                                  QStringLiteral("TotalNews"), QStringLiteral("AP via Washington Post"),
                                  QStringLiteral("Yahoo News")};
        QStringList names;
        for (const QString &entry : categories[SiteFile::News])
            names.append(NameValueLine::nameOf(entry).toString());
        QCOMPARE(names, news);
    }

    void theBuiltInListIsWrittenOnlyWhenMissing()
    {
        QTemporaryDir dir;
        const QString path = SiteFile::path(dir.path());
        QVERIFY(SiteFile::ensureExists(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QCOMPARE(bytes.count("\r\n"), 76);
        QVERIFY(bytes.startsWith("[SearchEngines]\r\nAltaVista="));
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("[News]")}));
        QVERIFY(SiteFile::ensureExists(path));
        QCOMPARE(TextFile::readLines(path).value_or(QStringList()), QStringList{QStringLiteral("[News]")});
    }

    void siteListValues_data()
    {
        QTest::addColumn<QStringList>("itemList");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("pair");
        QTest::newRow("first selected") << QStringList{QStringLiteral("A=1"), QStringLiteral("B=2=3")} << -1
                                        << QStringList{QStringLiteral("A"), QStringLiteral("B")} << "1" << "A=1";
        QTest::newRow("value after the first equals") << QStringList{QStringLiteral("A=1"), QStringLiteral("B=2=3")} << 1
                                                      << QStringList{QStringLiteral("A"), QStringLiteral("B")} << "2=3"
                                                      << "B=2=3";
        QTest::newRow("first equal name serves both")
            << QStringList{QStringLiteral("Site=first"), QStringLiteral("SITE=second")} << 1
            << QStringList{QStringLiteral("Site"), QStringLiteral("SITE")} << "first" << "SITE=first";
        QTest::newRow("line without equals") << QStringList{QStringLiteral("plain")} << -1 << QStringList{QString()}
                                             << "" << "=";
        QTest::newRow("empty") << QStringList() << -1 << QStringList() << "" << "";
    }

    void siteListValues()
    {
        QFETCH(QStringList, itemList);
        QFETCH(int, selected);
        QFETCH(QStringList, items);
        QFETCH(QString, value);
        QFETCH(QString, pair);
        TDropDownList list;
        list.fill({QStringLiteral("Old=0")});
        list.assignItemList(itemList);
        QCOMPARE(list.ItemList(), itemList);
        QStringList shown;
        for (int i = 0; i < list.count(); ++i)
            shown.append(list.itemText(i));
        QCOMPARE(shown, items);
        QCOMPARE(list.currentIndex(), itemList.isEmpty() ? -1 : 0);
        if (selected >= 0)
            list.setCurrentIndex(selected);
        QCOMPARE(list.selectedValue(), value);
        QCOMPARE(list.SelectedNameValuePair(), pair);
        list.clearItems();
        QCOMPARE(list.count(), 0);
        QVERIFY(list.ItemList().isEmpty());
        QCOMPARE(list.selectedValue(), QString());
    }

    void peoplePlaceholders_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Ann Lee New York") << "http://p.example/?f=<FIRSTNAME>&l=<LASTNAME>&s=<STATE>"
                                          << "http://p.example/?f=Ann&l=Lee&s=New York";
        QTest::newRow("code only in the first place") << "http://z.example/<LASTNAME>/<ST>/<ST>"
                                                      << "http://z.example/Lee/NY/<ST>";
        QTest::newRow("any case") << "x<firstname>y<LastName>z<state>" << "xAnnyLeezNew York";
        QTest::newRow("code and name side by side") << "<ST><STATE>" << "NYNew York";
    }

    void peoplePlaceholders()
    {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        QCOMPARE(fillPeoplePlaceholders(address, QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("New York"),
                                        QStringLiteral("NY")),
                 expected);
    }

    void theStateList()
    {
        const QStringList states = usStateLines();
        QCOMPARE(states.size(), 54);
        QCOMPARE(states.first(), QStringLiteral("Alabama=AL"));
        QCOMPARE(states.last(), QStringLiteral("Wyoming=WY"));
        QCOMPARE(states.indexOf(QStringLiteral("Missouri=MO")) + 1, states.indexOf(QStringLiteral("Mississippi=MS")));
        QStringList names;
        for (const QString &state : states) {
            QCOMPARE(NameValueLine::split(state).value.size(), 2);
            if (!state.startsWith(QLatin1String("Mississippi")))
                names.append(state);
        }
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);
    }

    void tabCaptionPlace_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("caption");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("expected");
        // c = 2 + 20 / 2 - 13 / 2 = 6: 4.5 goes to the even 4, 7.8 to 8.
        QTest::newRow("active, halves toward zero") << 2 << 20 << 13 << true << 4;
        QTest::newRow("other") << 2 << 20 << 13 << false << 8;
        // 10.5 and 7.5 go to the even neighbour.
        QTest::newRow("tie down to even") << 0 << 28 << 0 << true << 10;
        QTest::newRow("tie up to even") << 0 << 20 << 0 << true << 8;
    }

    void tabCaptionPlace()
    {
        QFETCH(int, top);
        QFETCH(int, height);
        QFETCH(int, caption);
        QFETCH(bool, active);
        QFETCH(int, expected);
        QCOMPARE(MultiSearchTabBar::captionTop(top, height, caption, active), expected);
    }
};

KESTREL_TEST(SiteFileTest)
#include "SiteFileTest.moc"
