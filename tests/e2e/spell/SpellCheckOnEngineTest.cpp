#include "browser/TKestrelWB.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "spell/PageSpellCheck.h"
#include "support/HunspellDictionary.h"
#include "support/SpellCheckRun.h"
#include "support/SpellChecker.h"
#include "testkit/EngineFixture.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/SpellChoices.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Kind = SpellChoice::Kind;

QString shown(const QList<TextMark> &marks)
{
    QStringList parts;
    for (const TextMark &mark : marks)
        parts << u"%1-%2 %3"_s.arg(mark.start).arg(mark.end).arg(mark.colour);
    return parts.join(u", "_s);
}

// What the page's own scripts see of the marks: the overlay's host element at the end of the
// document, whether its shadow root is closed to them, and whether it takes pointer events.
const QString OverlayAsThePageSeesIt = uR"((() => {
    const host = document.documentElement.lastElementChild;
    if (host.tagName !== 'DIV')
        return host.tagName;
    return 'overlay ' + (host.shadowRoot === null ? 'closed' : 'open') + ' ' + getComputedStyle(host).pointerEvents;
})())"_s;
}

// Spell checking on the real engine: the marks the page agent draws over the field while the
// check runs, the corrections put into the field, and what is left afterwards.
class SpellCheckOnEngineTest : public QObject
{
    Q_OBJECT

    EngineFixture m_fixture;
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SpellChecker> m_checker;
    std::unique_ptr<PageSpellCheck> m_check;
    std::shared_ptr<PageDocument> m_document;

    std::shared_ptr<PageElement> load(const QString &body, const QString &focusId)
    {
        m_document = m_fixture.load(u"<html><body>"_s + body + u"</body></html>"_s);
        const auto field = m_document ? m_document->elementById(focusId) : nullptr;
        if (field)
            field->focus();
        return field;
    }

    QString pageScript(const QString &script) { return m_fixture.runPageScript(script).toString(); }

    // With KESTREL_SCREENSHOT_DIR set, the view as the user sees it goes there as a PNG.
    void screenshot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("KESTREL_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QTest::qWait(500);
        m_fixture.view()->grab().save(QDir(folder).filePath(name));
    }

private slots:
    void initTestCase()
    {
        m_checker = std::make_unique<SpellChecker>(m_dir.path(), m_prompter, nullptr, HunspellDictionary::systemFolders());
        m_checker->readConfiguration();
        m_check = std::make_unique<PageSpellCheck>(*m_checker, m_prompter, m_dir.path(), [this] { return m_document; },
                                                   [] {});
    }

    void init()
    {
        failOnQtWarnings();
        m_prompter.clear();
    }

    void aThreeLineTextAreaGetsEachWordMarkedOnItsLine()
    {
        const auto area = load(u"<textarea id=\"area\" rows=\"6\" cols=\"40\">Fisrt line\nsecond wurd here\nthird lyne"
                               u"</textarea>"_s,
                               u"area"_s);
        QVERIFY(area);
        QStringList seen;
        QStringList overlay;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            playSpellChoices(run, {{Kind::Ignore}, {Kind::Change, u"word"_s}, {Kind::Change, u"line"_s}},
                             [&](const SpellCheckRun &current) {
                                 seen << shown(area->textMarks());
                                 overlay << pageScript(OverlayAsThePageSeesIt);
                                 if (current.finding().word == u"lyne"_s)
                                     screenshot(u"spell-marks.png"_s);
                             });
        });
        m_check->SpellCheck();
        // The engine counts each line break as CR LF, the field as one character.
        QCOMPARE(seen, QStringList({u"0-5 yellow"_s, u"0-5 yellow, 18-22 yellow"_s,
                                    u"0-5 yellow, 18-22 lightgreen, 34-38 yellow"_s}));
        QCOMPARE(overlay, QStringList(3, u"overlay closed none"_s));
        QCOMPARE(area->value(), u"Fisrt line\nsecond word here\nthird line"_s);
        // Every mark is gone after the check, and the overlay with them.
        QVERIFY(area->textMarks().isEmpty());
        QCOMPARE(pageScript(OverlayAsThePageSeesIt), u"BODY"_s);
        QCOMPARE(m_prompter.texts(), QStringList({u"The spelling check is complete."_s}));
    }

    void theMarkedWordIsScrolledIntoSightAndTheOverlayLetsClicksThrough()
    {
        QString text;
        for (int i = 0; i < 60; ++i)
            text += u"line number %1 is fine\n"_s.arg(i);
        text += u"the laast line"_s;
        const auto area = load(u"<textarea id=\"area\" rows=\"4\" cols=\"30\">"_s + text + u"</textarea>"_s, u"area"_s);
        QVERIFY(area);
        QString underTheMark;
        int scrolled = 0;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            playSpellChoices(run, {{Kind::Cancel}}, [&](const SpellCheckRun &) {
                scrolled = m_fixture.runPageScript(u"document.getElementById('area').scrollTop"_s).toInt();
                underTheMark = pageScript(uR"((() => {
                    const r = document.getElementById('area').getBoundingClientRect();
                    return document.elementFromPoint(r.left + 10, r.bottom - 10).id; })())"_s);
            });
        });
        m_check->SpellCheck();
        QVERIFY2(scrolled > 0, qPrintable(QString::number(scrolled)));
        QCOMPARE(underTheMark, u"area"_s);
        QVERIFY(m_prompter.texts().isEmpty());
    }

    void aPasswordBoxIsNotCheckedAndNothingIsSaid()
    {
        const auto password = load(u"<input id=\"secret\" type=\"password\" value=\"teh wrld\"/>"_s, u"secret"_s);
        QVERIFY(password);
        bool asked = false;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            asked = true;
            playSpellChoices(run, {});
        });
        m_check->SpellCheck();
        QVERIFY(!asked);
        QVERIFY(m_prompter.texts().isEmpty());
        QCOMPARE(password->value(), u"teh wrld"_s);
    }

    void aTextBoxGetsItsCorrection()
    {
        const auto box = load(u"<input id=\"box\" value=\"teh quick brwn fox\"/>"_s, u"box"_s);
        QStringList seen;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            playSpellChoices(run, {{Kind::Change, u"the"_s}, {Kind::ChangeAll, u"brown"_s}},
                             [&](const SpellCheckRun &) { seen << shown(box->textMarks()); });
        });
        m_check->SpellCheck();
        QCOMPARE(seen, QStringList({u"0-3 yellow"_s, u"10-14 yellow"_s}));
        QCOMPARE(box->value(), u"the quick brown fox"_s);
        QVERIFY(box->textMarks().isEmpty());
    }
};

KESTREL_TEST(SpellCheckOnEngineTest)
#include "SpellCheckOnEngineTest.moc"
