#include "browser/TKestrelWB.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "testkit/FakeControl.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "typing/InPageTypingAids.h"
#include "typing/PageKeyFilter.h"
#include "typing/TypingAidTable.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Counts the key events that reach a widget past the application's filters.
class KeyCounter : public QObject
{
public:
    int keys = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            ++keys;
        return false;
    }
};
}

// The routing of keys typed into the active view's page, over the fake control.
class PageKeyFilterTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TypingAidTable> m_table;
    std::unique_ptr<InPageTypingAids> m_aids;
    std::unique_ptr<CommandRegistry> m_commands;
    std::unique_ptr<TKestrelWB> m_view;
    std::unique_ptr<PageKeyFilter> m_filter;
    FakeControl *m_control = nullptr;
    KeyCounter m_counter;
    QStringList m_ran;
    QString m_status;

    // Sends a key press to the page's widget; whether the page got it.
    bool press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget *target = nullptr)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        const int before = m_counter.keys;
        QApplication::sendEvent(target ? target : m_control->widget(), &event);
        return m_counter.keys > before;
    }

private slots:
    void init()
    {
        failOnQtWarnings();
        m_ran.clear();
        m_status.clear();
        m_store = std::make_unique<SettingsStore>();
        m_table = std::make_unique<TypingAidTable>(DataFolder::path());
        auto control = std::make_unique<FakeControl>();
        m_control = control.get();
        m_view = std::make_unique<TKestrelWB>(nullptr, std::move(control));
        m_aids = std::make_unique<InPageTypingAids>(InPageTypingAids::Collaborators{
            [this] { return m_view->Document(); }, m_table.get(), m_store.get()});
        m_commands = std::make_unique<CommandRegistry>();
        for (const QString &id : {CommandIds::Back, CommandIds::Forward, CommandIds::Stop, CommandIds::Refresh,
                                  CommandIds::Home, CommandIds::Favorites, CommandIds::SaveAs, CommandIds::AddNote,
                                  CommandIds::SpellCheck, CommandIds::FullScreen})
            m_commands->add(id, id, QString(), {}, [this, id] { m_ran << id; });
        const auto record = [this](const QString &name) { return [this, name] { m_ran << name; }; };
        m_filter = std::make_unique<PageKeyFilter>(
            *m_aids, *m_commands,
            PageKeyFilter::Operations{[this] { return m_view.get(); }, [this] { return m_status; },
                                      record(u"newPage"_s), record(u"viewSource"_s), record(u"fillPersonalInfo"_s)});
        m_control->widget()->installEventFilter(&m_counter);
        qApp->installEventFilter(m_filter.get());
    }

    void cleanup()
    {
        qApp->removeEventFilter(m_filter.get());
        m_filter.reset();
    }

    void commandKeysRunTheirCommandAndStayFromThePage_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("ran");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl << CommandIds::Back;
        QTest::newRow("Ctrl+Right") << int(Qt::Key_Right) << ctrl << CommandIds::Forward;
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << u"newPage"_s;
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << ctrl << CommandIds::AddNote;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << CommandIds::SaveAs;
        QTest::newRow("Ctrl+H") << int(Qt::Key_H) << ctrl << CommandIds::Home;
        QTest::newRow("Ctrl+F1") << int(Qt::Key_F1) << ctrl << CommandIds::SpellCheck;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << none << CommandIds::Stop;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << CommandIds::Favorites;
        QTest::newRow("F2") << int(Qt::Key_F2) << none << u"viewSource"_s;
        QTest::newRow("F5") << int(Qt::Key_F5) << none << CommandIds::Refresh;
        QTest::newRow("F8") << int(Qt::Key_F8) << none << CommandIds::FullScreen;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << none << u"fillPersonalInfo"_s;
    }

    void commandKeysRunTheirCommandAndStayFromThePage()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, ran);
        QVERIFY(!press(key, Qt::KeyboardModifiers(modifiers)));
        QCOMPARE(m_ran, QStringList{ran});
    }

    void typingKeysReachThePage()
    {
        for (int key : {int(Qt::Key_A), int(Qt::Key_Space), int(Qt::Key_Backspace), int(Qt::Key_Delete),
                        int(Qt::Key_Tab), int(Qt::Key_Up), int(Qt::Key_Down), int(Qt::Key_Return)})
            QVERIFY2(press(key), qPrintable(QString::number(key, 16)));
        // Shift alone, and the page's own edit commands.
        QVERIFY(press(Qt::Key_A, Qt::ShiftModifier));
        QVERIFY(press(Qt::Key_F5, Qt::ShiftModifier));
        for (int key : {int(Qt::Key_X), int(Qt::Key_C), int(Qt::Key_V), int(Qt::Key_A)})
            QVERIFY(press(key, Qt::ControlModifier));
        // Alt keys belong to the menus: no command key of the page's, no Quick Insert.
        QVERIFY(press(Qt::Key_F5, Qt::AltModifier));
        QVERIFY(press(Qt::Key_N, Qt::AltModifier | Qt::ControlModifier));
        QVERIFY(press(Qt::Key_W, Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier));
        QVERIFY(m_ran.isEmpty());
    }

    void quickInsertKeysStayFromThePage()
    {
        QVERIFY(!press(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier));
        // Keys outside the shortcut codes are no shortcut.
        QVERIFY(press(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier));
    }

    void enterFollowsALinkInTheStatusBar()
    {
        m_status = u"http://example.org/next"_s;
        QVERIFY(!press(Qt::Key_Return));
        QCOMPARE(m_control->navigations.size(), 1);
        QCOMPARE(m_control->navigations.first(), QUrl(u"http://example.org/next"_s));

        // "://" only counts within the first ten characters; "mailto:" anywhere.
        m_status = u"some text then http://example.org"_s;
        QVERIFY(press(Qt::Key_Return));
        m_status = u"Write to MAILTO:me@example.org"_s;
        QVERIFY(!press(Qt::Key_Return));
        QCOMPARE(m_control->navigations.size(), 2);
    }

    void onlyTheActiveViewWhileNotBusy()
    {
        m_control->setBusy(true);
        QVERIFY(press(Qt::Key_F5));
        m_control->setBusy(false);
        QWidget elsewhere;
        elsewhere.installEventFilter(&m_counter);
        QVERIFY(press(Qt::Key_F5, Qt::NoModifier, &elsewhere));
        QVERIFY(m_ran.isEmpty());
        QVERIFY(!press(Qt::Key_F5));
        QCOMPARE(m_ran, QStringList{CommandIds::Refresh});
    }

    void closeEventsPassUntouched()
    {
        QWidget window;
        QCloseEvent close;
        QApplication::sendEvent(&window, &close);
        QVERIFY(close.isAccepted());
    }
};

KESTREL_TEST(PageKeyFilterTest)
#include "PageKeyFilterTest.moc"
