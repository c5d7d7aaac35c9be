#include "search/SiteFile.h"
#include "search/TDropDownList.h"
#include "search/TfrmMultiSearch.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/AppWarnings.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class MultiSearchWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    ScriptedPrompter m_prompter;
    QStringList m_sent;

    std::unique_ptr<TfrmMultiSearch> open()
    {
        return std::make_unique<TfrmMultiSearch>(*m_settings, m_prompter, m_dir->path(),
                                                 [this](const QString &address) { m_sent.append(address); });
    }

    void writeSiteFile(const QStringList &lines) { QVERIFY(TextFile::writeLines(SiteFile::path(m_dir->path()), lines)); }

    static QStringList items(const TDropDownList *list)
    {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown.append(list->itemText(i));
        return shown;
    }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_prompter.clear();
        m_sent.clear();
    }

    void theFirstOpeningWritesTheBuiltInList()
    {
        auto window = open();
        QCOMPARE(TextFile::readLines(SiteFile::path(m_dir->path())).value_or(QStringList()), SiteFile::defaultLines());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarnwell Multi Search"));
        QCOMPARE(window->size(), QSize(477, 288));
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window->pages()->count(), 5);
        QCOMPARE(window->pages()->tabText(0), QStringLiteral("Web Search Engines"));
        QCOMPARE(window->pages()->currentIndex(), 0);
        const int counts[] = {18, 7, 18, 9, 19};
        for (int c = 0; c < SiteFile::CategoryCount; ++c) {
            QCOMPARE(window->list(SiteFile::Category(c))->count(), counts[c]);
            QCOMPARE(window->list(SiteFile::Category(c))->currentIndex(), 0);
        }
        QCOMPARE(window->ddlPeopleState->count(), 54);
        QCOMPARE(window->ddlPeopleState->currentText(), QStringLiteral("Alabama"));
        QVERIFY(window->submitButton(SiteFile::SearchEngines)->isDefault());
        QVERIFY(!window->submitButton(SiteFile::News)->isDefault());
    }

    void listsComeFromTheirSections()
    {
        writeSiteFile({QStringLiteral("Loose=http://loose.example/"), QStringLiteral("[SEARCHENGINES]"),
                       QStringLiteral("Mine=http://mine.example/?q="), QStringLiteral("[Elsewhere]"),
                       QStringLiteral("Lost=http://lost.example/"), QString(), QStringLiteral("[news]"),
                       QStringLiteral("Paper=http://paper.example/?q=")});
        auto window = open();
        QCOMPARE(items(window->list(SiteFile::SearchEngines)), QStringList{QStringLiteral("Mine")});
        QCOMPARE(items(window->list(SiteFile::News)), QStringList{QStringLiteral("Paper")});
        QCOMPARE(window->list(SiteFile::People)->count(), 0);
        // Nothing to send from an empty list; the window stays.
        window->Submit(SiteFile::People);
        QVERIFY(m_sent.isEmpty());
    }

    void peopleSearchFillsThePlaceholders()
    {
        writeSiteFile({QStringLiteral("[People]"),
                       QStringLiteral("Finder=http://find.example/<FIRSTNAME>/<LASTNAME>?in=<STATE>&st=<ST>&again=<ST>")});
        auto window = open();
        window->pages()->setCurrentIndex(SiteFile::People);
        window->txtPeopleFName->setText(QStringLiteral("Ann"));
        window->txtPeopleLName->setText(QStringLiteral("Lee"));
        window->ddlPeopleState->setCurrentIndex(window->ddlPeopleState->findText(QStringLiteral("New York")));
        QTest::mouseClick(window->submitButton(SiteFile::People), Qt::LeftButton);
        QCOMPARE(m_sent, QStringList{QStringLiteral("http://find.example/Ann/Lee?in=New York&st=NY&again=<ST>")});
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    void enterSubmitsTheShownPage()
    {
        auto window = open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->pages()->setCurrentIndex(SiteFile::News);
        QVERIFY(window->submitButton(SiteFile::News)->isDefault());
        QVERIFY(!window->submitButton(SiteFile::SearchEngines)->isDefault());
        window->txtNews->setFocus();
        window->txtNews->setText(QStringLiteral("kestrels nesting"));
        QTest::keyClick(window->txtNews, Qt::Key_Return);
        QCOMPARE(m_sent, QStringList{QStringLiteral("https://abcnews.go.com/search?searchtext=kestrels nesting")});
        QVERIFY(!window->isVisible());
    }

    void stayOnTopSwitches()
    {
        auto window = open();
        window->show();
        emit window->optionsMenu()->aboutToShow();
        QVERIFY(window->StayOnTop1()->isChecked());
        window->StayOnTop1()->trigger();
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window->isVisible());
        emit window->optionsMenu()->aboutToShow();
        QVERIFY(!window->StayOnTop1()->isChecked());
        window->StayOnTop1()->trigger();
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
};

KESTREL_TEST(MultiSearchWindowTest)
#include "MultiSearchWindowTest.moc"
