#include "browser/StartPage.h"
#include "browser/TfrmHomepage.h"
#include "shell/SettingsStore.h"
#include "testkit/AppWarnings.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class HomepageDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    ScriptedPrompter m_prompter;

    static QPushButton *button(const QWidget &dialog, int number)
    {
        return dialog.findChild<QPushButton *>(QStringLiteral("Button%1").arg(number));
    }
    static QLineEdit *edit(const QWidget &dialog) { return dialog.findChild<QLineEdit *>(QStringLiteral("edAddress")); }
    QString storedHomepage() const
    {
        return m_settings->readString(SettingsStore::MainSection, QStringLiteral("Homepage"), QStringLiteral("<unset>"));
    }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_prompter.clear();
    }

    void controlsAndTexts()
    {
        TfrmHomepage dialog(*m_settings, m_prompter, QString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Homepage Setup"));
        QVERIFY((dialog.windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
        QCOMPARE(dialog.findChild<QGroupBox *>()->title(), QStringLiteral("Homepage Address"));
        QStringList labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labels.append(label->text());
        QVERIFY(labels.contains(QStringLiteral("You can change which page to use for your home page.")));
        QVERIFY(labels.contains(QStringLiteral("Address:")));
        const QStringList captions = {QStringLiteral("..."), QStringLiteral("&Ok"), QStringLiteral("&Cancel"),
                                      QStringLiteral("Use &IE Start Page"), QStringLiteral("Use &Blank"),
                                      QStringLiteral("Use &Current")};
        for (int number = 1; number <= 6; ++number)
            QCOMPARE(button(dialog, number)->text(), captions.at(number - 1));
        QCOMPARE(button(dialog, 6)->toolTip(),
                 QStringLiteral("Use the page that is currently displayed in the topmost browser tab."));
        QVERIFY(button(dialog, 2)->isDefault());
        // With nothing stored the box shows the product's start page.
        QCOMPARE(edit(dialog)->text(), productStartPage());
    }

    void useButtonsFillTheBox()
    {
        m_settings->writeString(SettingsStore::MainSection, QStringLiteral("Homepage"), QStringLiteral("http://mine.example/"));
        TfrmHomepage dialog(*m_settings, m_prompter, QStringLiteral("http://shown.example/page"));
        QCOMPARE(edit(dialog)->text(), QStringLiteral("http://mine.example/"));
        button(dialog, 5)->click();
        QCOMPARE(edit(dialog)->text(), QStringLiteral("about:blank"));
        button(dialog, 6)->click();
        QCOMPARE(edit(dialog)->text(), QStringLiteral("http://shown.example/page"));

        // The system start page; the built-in one where the system has none, as on Linux.
        button(dialog, 4)->click();
        QCOMPARE(edit(dialog)->text(), productStartPage());
        m_settings->writeString(QStringLiteral("Microsoft\\Internet Explorer\\Main"), QStringLiteral("Start Page"),
                                QStringLiteral("http://system.example/"));
        dialog.Button4Click();
        QCOMPARE(edit(dialog)->text(), QStringLiteral("http://system.example/"));
        QVERIFY(m_prompter.shown().isEmpty());
    }

    void fileButtonTakesTheChosenFilesFullPath()
    {
        TfrmHomepage dialog(*m_settings, m_prompter, QString());
        QFile page(m_dir->filePath(QStringLiteral("home.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        m_prompter.queueText(page.fileName());
        dialog.Button1Click();
        QCOMPARE(m_prompter.shown().size(), 1);
        QCOMPARE(m_prompter.shown().first().kind, ScriptedPrompter::Kind::OpenFile);
        QCOMPARE(m_prompter.shown().first().text, QStringLiteral("HTML Files|*.htm;*.html|Text Files|*.txt|All Files|*.*"));
        QCOMPARE(edit(dialog)->text(), QDir(m_dir->path()).absoluteFilePath(QStringLiteral("home.htm")));

        // A new name without an extension takes the default one; Cancel changes nothing.
        m_prompter.queueText(m_dir->filePath(QStringLiteral("start")));
        dialog.Button1Click();
        QCOMPARE(edit(dialog)->text(), QDir(m_dir->path()).absoluteFilePath(QStringLiteral("start.html")));
        m_prompter.queueText(std::nullopt);
        dialog.Button1Click();
        QCOMPARE(edit(dialog)->text(), QDir(m_dir->path()).absoluteFilePath(QStringLiteral("start.html")));
    }

    void okStoresTheTextAsTyped()
    {
        TfrmHomepage dialog(*m_settings, m_prompter, QString());
        dialog.show();
        edit(dialog)->setText(QStringLiteral(" http://spaced.example/ "));
        button(dialog, 2)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(storedHomepage(), QStringLiteral(" http://spaced.example/ "));

        TfrmHomepage empty(*m_settings, m_prompter, QString());
        edit(empty)->clear();
        empty.Button2Click();
        QVERIFY(m_settings->valueExists(SettingsStore::MainSection, QStringLiteral("Homepage")));
        QCOMPARE(storedHomepage(), QString());
    }

    void cancelStoresNothing()
    {
        TfrmHomepage dialog(*m_settings, m_prompter, QString());
        dialog.show();
        edit(dialog)->setText(QStringLiteral("http://dropped.example/"));
        button(dialog, 3)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(storedHomepage(), QStringLiteral("<unset>"));
    }
};

KESTREL_TEST(HomepageDialogTest)
#include "HomepageDialogTest.moc"
