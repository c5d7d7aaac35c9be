#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "shell/DataFolder.h"
#include "shell/TextFile.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryPageFixture.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/WindowChrome.h"

#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The form tools as the main window wires them: the Insert key in the page fills the focused
// form from the data folder's personal data, and opening the File menu sets the form data
// entries from the focused element.
class MainWindowFormToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s)); }

    void insertFillsTheFormAndTheFileMenuFollowsTheFocus()
    {
        const QString data = DataFolder::filePath(u"pdata.dat"_s);
        QVERIFY(TextFile::writeLines(data, {u"[APPLIES TO]"_s, u"fname=John{~}First Name"_s}));
        FakeControl *control = nullptr;
        TfrmKestrelBrowser window{[&control] {
            auto made = std::make_unique<FakeControl>();
            control = made.get();
            return made;
        }};
        window.AddBrowserTab(u"http://a.test/"_s);
        QVERIFY(control);
        control->loadPage(QUrl(u"http://a.test/"_s), u"A"_s);
        MemoryPageFixture fixture;
        const auto page = fixture.load(uR"(<html><body><form><input id="first" name="FNAME"/>
<textarea id="note" name="note"></textarea></form></body></html>)"_s, {});
        QVERIFY(page);
        control->setDocument(page);
        QVERIFY(page->elementById(u"note"_s)->focus());

        QTest::keyClick(control->widget(), Qt::Key_Insert);
        QCOMPARE(page->elementById(u"first"_s)->value(), u"John"_s);

        QMenu *file = window.chrome().menu(u"&File"_s);
        QVERIFY(file);
        const auto enabled = [&window](const QString &id) { return window.commands().find(id)->isEnabled(); };
        emit file->aboutToShow();
        QVERIFY(enabled(CommandIds::SaveTextArea) && enabled(CommandIds::InsertTextFile));
        QVERIFY(enabled(CommandIds::SaveFormData) && enabled(CommandIds::InsertFormData));
        QVERIFY(page->elementById(u"first"_s)->focus());
        emit file->aboutToShow();
        QVERIFY(!enabled(CommandIds::SaveTextArea) && !enabled(CommandIds::InsertTextFile));
        QVERIFY(enabled(CommandIds::SaveFormData) && enabled(CommandIds::InsertFormData));
        QFile::remove(data);
    }
};

KESTREL_TEST(MainWindowFormToolsTest)
#include "MainWindowFormToolsTest.moc"
