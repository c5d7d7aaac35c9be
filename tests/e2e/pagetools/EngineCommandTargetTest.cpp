#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/EngineFixture.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using CommandTarget::Group;

// The command-target commands that need no dialog of the engine's own: save as through the
// engine's save-page, and the zoom levels.
class EngineCommandTargetTest : public QObject
{
    Q_OBJECT

    EngineFixture m_fixture;

private slots:
    void saveAsWritesThePageToTheChosenFileAndCancelWritesNothing()
    {
        QVERIFY(m_fixture.load(u"<!DOCTYPE html><html><body><p>saved words</p></body></html>"_s));
        QTemporaryDir folder;
        const QString path = folder.filePath(u"page.html"_s);
        ScriptedPrompter prompter;
        prompter.queueText(std::nullopt);
        QVERIFY(!m_fixture.view()->ExecCommandTarget(Group::Standard, CommandTarget::SaveAs,
                                                     CommandTarget::PromptUser, prompter).isValid());

        prompter.queueText(path);
        QVERIFY(m_fixture.view()->ExecCommandTarget(Group::Standard, CommandTarget::SaveAs, CommandTarget::PromptUser,
                                                    prompter).toBool());
        QVERIFY(waitUntil([&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("saved words");
        }));
        QCOMPARE(prompter.shown().size(), 2);
    }

    void zoomGoesByLevelAndReadsBack()
    {
        QVERIFY(m_fixture.load(u"<!DOCTYPE html><html><body><p>zoom</p></body></html>"_s));
        TKestrelWB *view = m_fixture.view();
        ScriptedPrompter prompter;
        const auto zoom = [&](int option) {
            return view->ExecCommandTarget(Group::Standard, CommandTarget::Zoom, option, prompter);
        };
        QCOMPARE(zoom(4).toInt(), 4);
        QCOMPARE(qobject_cast<WebEngineControl *>(view->control())->page()->zoomFactor(), 1.5);
        // Outside the range only the level is read.
        QCOMPARE(zoom(-1).toInt(), 4);
        QCOMPARE(zoom(7).toInt(), 4);
        QCOMPARE(zoom(2).toInt(), 2);
        QCOMPARE(view->ExecCommandTarget(Group::Standard, CommandTarget::GetZoomRange, 0, prompter).toList(),
                 (QVariantList{0, 4}));
        QVERIFY(!view->ExecCommandTarget(Group::Standard, 999, 0, prompter).isValid());
    }
};

KESTREL_TEST(EngineCommandTargetTest)
#include "EngineCommandTargetTest.moc"
