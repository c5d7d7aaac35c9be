#include "sponsor/HtmlTagReader.h"
#include "testkit/TestRegistry.h"

#include <QTest>

using Attributes = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Attributes)

namespace {
Attributes attributes(std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    Attributes list;
    for (const auto &pair : pairs)
        list.append({QString::fromUtf8(pair.first), QString::fromUtf8(pair.second)});
    return list;
}
}

// The tag reader of the sponsor answer: where a tag starts and ends, how its attributes split.
class HtmlTagReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFirstTagOfTheName_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("found");
        QTest::addColumn<Attributes>("expected");

        QTest::newRow("one line") << QStringList{QStringLiteral("<p>x</p><adinfo seconds=300 enabled=true>")} << true
                                  << attributes({{"seconds", "300"}, {"enabled", "true"}});
        QTest::newRow("name in any case")
            << QStringList{QStringLiteral("<ADInfo Width=400>")} << true << attributes({{"Width", "400"}});
        QTest::newRow("across lines, the break adds nothing")
            << QStringList{QStringLiteral("<adinfo seconds=3"), QStringLiteral("00 campaign=abc>")} << true
            << attributes({{"seconds", "300"}, {"campaign", "abc"}});
        QTest::newRow("blanks inside quotes")
            << QStringList{QStringLiteral("<adinfo  title=\"a b  c\"   x=1>")} << true
            << attributes({{"title", "a b  c"}, {"x", "1"}});
        QTest::newRow("one pair of quotes removed")
            << QStringList{QStringLiteral("<adinfo a=\"\"q\"\" b=\"x>")} << true
            << attributes({{"a", "\"q\""}, {"b", "\"x"}});
        QTest::newRow("no equals gives an empty value; value keeps later equals")
            << QStringList{QStringLiteral("<adinfo flag next=http://h/a?b=c>")} << true
            << attributes({{"flag", ""}, {"next", "http://h/a?b=c"}});
        QTest::newRow("self-closing") << QStringList{QStringLiteral("<adinfo a=\"1\"/>")} << true
                                      << attributes({{"a", "1"}});
        QTest::newRow("only the first counts")
            << QStringList{QStringLiteral("<adinfo a=1><adinfo a=2>")} << true << attributes({{"a", "1"}});
        QTest::newRow("a longer name is another tag")
            << QStringList{QStringLiteral("<adinfox a=1>")} << false << Attributes{};
        QTest::newRow("an unclosed tag is no tag")
            << QStringList{QStringLiteral("<adinfo a=1")} << false << Attributes{};
        QTest::newRow("empty") << QStringList{} << false << Attributes{};
    }

    void readsTheFirstTagOfTheName()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, found);
        QFETCH(Attributes, expected);
        const std::optional<HtmlTag> tag = findHtmlTag(lines, QStringLiteral("adinfo"));
        QCOMPARE(tag.has_value(), found);
        if (!tag)
            return;
        Attributes read;
        for (const HtmlTag::Attribute &attribute : tag->attributes)
            read.append({attribute.name, attribute.value});
        QCOMPARE(read, expected);
    }
};

KESTREL_TEST(HtmlTagReaderTest)
#include "HtmlTagReaderTest.moc"
