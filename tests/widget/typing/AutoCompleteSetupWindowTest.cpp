#include "shell/SettingsStore.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"
#include "typing/RunAutoCompleteSetup.h"
#include "typing/TfrmAutocomplete.h"
#include "typing/TypingAidTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {
QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

template <typename T>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

QStringList rows(QAbstractItemView *view)
{
    QStringList result;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QString text = model->index(row, 0).data().toString();
        if (model->columnCount() > 1)
            text += QLatin1Char('|') + model->index(row, 1).data().toString();
        result << text;
    }
    return result;
}

// Replaces the text of a box the way a user does: select all, then type.
void retype(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}
}

// The Auto Complete Setup window under the user's hands: the Add, Remove and Update rules of the
// list tabs, the Personal Info tab, and what OK and Cancel write.
class AutoCompleteSetupWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SettingsStore> m_settings;
    ScriptedPrompter m_prompter;
    QList<QString> m_help;
    std::unique_ptr<TfrmAutocomplete> m_window;

    QString path(const char *name) const { return m_folder->filePath(QLatin1String(name)); }

    void open()
    {
        m_window = std::make_unique<TfrmAutocomplete>(
            m_folder->path(), *m_settings, m_prompter, [this](const QString &address, int width, int height) {
                m_help << address + QStringLiteral(" %1x%2").arg(width).arg(height);
            });
        m_window->show();
    }

    // Makes a tab current and returns it.
    QWidget *tab(const char *name)
    {
        QWidget *page = child<QWidget>(m_window.get(), name);
        child<QTabWidget>(m_window.get(), "PageControl1")->setCurrentWidget(page);
        QCoreApplication::processEvents();
        return page;
    }

    static QAbstractItemView *list(QWidget *page, const char *name = "lsvEntries")
    {
        return child<QAbstractItemView>(page, name);
    }

    static void clickRow(QAbstractItemView *view, int row)
    {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QVERIFY(rect.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    static void click(QWidget *page, const char *button)
    {
        QTest::mouseClick(child<QPushButton>(page, button), Qt::LeftButton);
    }

    static bool enabled(QWidget *page, const char *button) { return child<QPushButton>(page, button)->isEnabled(); }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_folder = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_folder->filePath(QStringLiteral("registry.ini")));
        m_prompter.clear();
        m_help.clear();
    }

    void cleanup() { m_window.reset(); }

    void openingShowsTheFilesAndSwitches()
    {
        writeRaw(path("tbauto.dat"), "zebra\r\nAlaska\r\nalright\r\n");
        writeRaw(path("qcorrect.dat"), "teh=the\r\nadn=and\r\nnothing here\r\n");
        writeRaw(path("pdata.dat"), "[NAMES]\r\nFirst Name\r\nEmail\r\n[VALUES]\r\nfirst name=John\r\n[APPLIES TO]\r\n");
        m_settings->writeString(SettingsStore::MainSection, QStringLiteral("QuickCorrect"), QStringLiteral("0"));
        m_settings->writeString(SettingsStore::MainSection, QStringLiteral("TBAutoCase"), QStringLiteral("0"));
        open();

        QCOMPARE(m_window->windowTitle(), QStringLiteral("Auto Complete Setup"));
        auto *tabs = child<QTabWidget>(m_window.get(), "PageControl1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, QStringList({QStringLiteral("Text Box Auto Complete"), QStringLiteral("Quick Correct"),
                                        QStringLiteral("Quick Links"), QStringLiteral("Quick Insert"),
                                        QStringLiteral("Quick Words"), QStringLiteral("Personal Info")}));
        QCOMPARE(tabs->currentIndex(), 0);

        QWidget *completion = tab("tsTextBoxAutoComplete");
        QCOMPARE(rows(list(completion)), QStringList({QStringLiteral("Alaska"), QStringLiteral("alright"), QStringLiteral("zebra")}));
        QVERIFY(child<QCheckBox>(completion, "chkEnable")->isChecked());
        QVERIFY(child<QRadioButton>(completion, "rbChangeCase")->isChecked());
        for (const char *button : {"btnAdd", "btnRemove", "btnUpdate"})
            QVERIFY(!enabled(completion, button));

        QWidget *correct = tab("tsQuickCorrect");
        QCOMPARE(rows(list(correct)), QStringList({QStringLiteral("adn|and"), QStringLiteral("teh|the")}));
        QVERIFY(!child<QCheckBox>(correct, "chkEnable")->isChecked());
        // The name column reaches to the value box; the value column fills the rest less a pixel.
        auto *view = static_cast<QTreeView *>(list(correct));
        const int nameWidth = child<QLineEdit>(correct, "edValue")->mapTo(correct, QPoint()).x() -
                              child<QLineEdit>(correct, "edName")->mapTo(correct, QPoint()).x();
        QCOMPARE(view->header()->sectionSize(0), nameWidth);
        QCOMPARE(view->header()->sectionSize(0) + view->header()->sectionSize(1), view->viewport()->width() - 1);

        QWidget *personal = tab("tsPersonalInfo");
        QCOMPARE(rows(list(personal, "lsvPersonalInfo")), QStringList({QStringLiteral("First Name|John"), QStringLiteral("Email|")}));
        QVERIFY(child<QCheckBox>(personal, "chkEnable")->isChecked());
    }

    void addFollowsTheThresholdAndPrefixesLinkWords()
    {
        open();
        QWidget *links = tab("tsQuickLinks");
        QTest::keyClicks(child<QLineEdit>(links, "edName"), QStringLiteral("ab"));
        QTest::keyClicks(child<QLineEdit>(links, "edValue"), QStringLiteral("http://x"));
        QVERIFY(!enabled(links, "btnAdd"));
        QTest::keyClicks(child<QLineEdit>(links, "edValue"), QStringLiteral("y"));
        QVERIFY(!enabled(links, "btnAdd"));
        QTest::keyClicks(child<QLineEdit>(links, "edName"), QStringLiteral("c "));
        QVERIFY(enabled(links, "btnAdd"));
        click(links, "btnAdd");
        QCOMPARE(rows(list(links)), QStringList({QStringLiteral("@abc|http://xy")}));
        QCOMPARE(child<QLineEdit>(links, "edName")->text(), QString());
        QCOMPARE(child<QLineEdit>(links, "edValue")->text(), QString());
        QVERIFY(!enabled(links, "btnAdd"));

        QWidget *words = tab("tsQuickWords");
        QTest::keyClicks(child<QLineEdit>(words, "edName"), QStringLiteral("  sl "));
        QTest::keyClicks(child<QLineEdit>(words, "edValue"), QStringLiteral("Statute of Limitations"));
        QTest::keyClick(child<QLineEdit>(words, "edValue"), Qt::Key_Return);
        QCOMPARE(rows(list(words)), QStringList({QStringLiteral("\\sl|Statute of Limitations")}));
        QVERIFY(m_window->isVisible());
    }

    void enterAddsOnlyWhileAddIsEnabled()
    {
        open();
        QWidget *correct = tab("tsQuickCorrect");
        QTest::keyClicks(child<QLineEdit>(correct, "edName"), QStringLiteral("ad"));
        QTest::keyClicks(child<QLineEdit>(correct, "edValue"), QStringLiteral("and"));
        QTest::keyClick(child<QLineEdit>(correct, "edValue"), Qt::Key_Return);
        QVERIFY(rows(list(correct)).isEmpty());
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->result(), 0);
    }

    void duplicatesAreRefusedQuietlyExceptOnQuickInsert()
    {
        writeRaw(path("qcorrect.dat"), "adn=and\r\n");
        writeRaw(path("qinsert.dat"), "s=Kind regards\r\n");
        open();
        QWidget *correct = tab("tsQuickCorrect");
        QTest::keyClicks(child<QLineEdit>(correct, "edName"), QStringLiteral("ADN"));
        QTest::keyClicks(child<QLineEdit>(correct, "edValue"), QStringLiteral("other"));
        click(correct, "btnAdd");
        QCOMPARE(rows(list(correct)), QStringList({QStringLiteral("adn|and")}));
        QVERIFY(m_prompter.shown().isEmpty());

        QWidget *insert = tab("tsQuickInsert");
        QTest::keyClicks(child<QLineEdit>(insert, "edName"), QStringLiteral("S"));
        QTest::keyClicks(child<QLineEdit>(insert, "edValue"), QStringLiteral("Other text"));
        click(insert, "btnAdd");
        QCOMPARE(m_prompter.texts(), QStringList({QStringLiteral("That shortcut already exists.  Please use update.")}));
        QCOMPARE(rows(list(insert)), QStringList({QStringLiteral("Ctrl + Shift + s|Kind regards")}));
        QCOMPARE(child<QLineEdit>(insert, "edName")->text(), QStringLiteral("S"));
        QCOMPARE(child<QLineEdit>(insert, "edValue")->text(), QStringLiteral("Other text"));
    }

    void editingASelectedEntryTurnsRemoveIntoUpdate()
    {
        writeRaw(path("qlink.dat"), "@news=http://news.example/\r\n@mail=me@example.com\r\n");
        open();
        QWidget *links = tab("tsQuickLinks");
        clickRow(list(links), 1);
        QCOMPARE(child<QLineEdit>(links, "edName")->text(), QStringLiteral("@news"));
        QCOMPARE(child<QLineEdit>(links, "edValue")->text(), QStringLiteral("http://news.example/"));
        QVERIFY(enabled(links, "btnRemove"));
        QVERIFY(!enabled(links, "btnUpdate"));

        retype(child<QLineEdit>(links, "edName"), QStringLiteral(" news "));
        QVERIFY(!enabled(links, "btnRemove"));
        QVERIFY(enabled(links, "btnUpdate"));
        click(links, "btnUpdate");
        // Update stores the name as typed: no "@" is added.
        QCOMPARE(rows(list(links)), QStringList({QStringLiteral("@mail|me@example.com"), QStringLiteral("news|http://news.example/")}));
        for (const char *button : {"btnAdd", "btnRemove", "btnUpdate"})
            QVERIFY(!enabled(links, button));
        QCOMPARE(child<QLineEdit>(links, "edName")->text(), QString());

        clickRow(list(links), 0);
        click(links, "btnRemove");
        QCOMPARE(rows(list(links)), QStringList({QStringLiteral("news|http://news.example/")}));
        QCOMPARE(child<QLineEdit>(links, "edValue")->text(), QString());
    }

    void quickInsertUpdatesItsShortcutWithoutCheckingDuplicates()
    {
        writeRaw(path("qinsert.dat"), "a=Address\r\ns=Kind regards\r\n");
        open();
        QWidget *insert = tab("tsQuickInsert");
        clickRow(list(insert), 1);
        QCOMPARE(child<QLineEdit>(insert, "edName")->text(), QStringLiteral("s"));
        retype(child<QLineEdit>(insert, "edName"), QStringLiteral("A"));
        click(insert, "btnUpdate");
        QCOMPARE(rows(list(insert)), QStringList({QStringLiteral("Ctrl + Shift + a|Address"),
                                                  QStringLiteral("Ctrl + Shift + A|Kind regards")}));
        QVERIFY(m_prompter.shown().isEmpty());
    }

    void completionListRules()
    {
        writeRaw(path("tbauto.dat"), "Alaska\r\n");
        open();
        QWidget *completion = tab("tsTextBoxAutoComplete");
        auto *box = child<QLineEdit>(completion, "edName");
        QTest::keyClicks(box, QStringLiteral(" hi"));
        QVERIFY(!enabled(completion, "btnAdd"));
        QTest::keyClicks(box, QStringLiteral("t there "));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(rows(list(completion)), QStringList({QStringLiteral("Alaska"), QStringLiteral("hit there")}));
        QCOMPARE(box->text(), QString());

        QTest::keyClicks(box, QStringLiteral("ALASKA"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(rows(list(completion)), QStringList({QStringLiteral("Alaska"), QStringLiteral("hit there")}));

        clickRow(list(completion), 1);
        QCOMPARE(box->text(), QStringLiteral("hit there"));
        retype(box, QStringLiteral(" ab "));
        click(completion, "btnUpdate");
        QCOMPARE(rows(list(completion)), QStringList({QStringLiteral("Alaska"), QStringLiteral("hit there")}));
        retype(box, QStringLiteral(" Aardvark"));
        click(completion, "btnUpdate");
        // The updated line keeps the text as typed and sorts into place.
        QCOMPARE(rows(list(completion)), QStringList({QStringLiteral(" Aardvark"), QStringLiteral("Alaska")}));
        QCOMPARE(box->text(), QString());

        clickRow(list(completion), 1);
        click(completion, "btnRemove");
        QCOMPARE(rows(list(completion)), QStringList({QStringLiteral(" Aardvark")}));
    }

    void personalInfoAddAsksForAFreeTitle()
    {
        writeRaw(path("pdata.dat"), "[NAMES]\r\nFirst Name\r\n");
        open();
        QWidget *personal = tab("tsPersonalInfo");
        m_prompter.queueText(QStringLiteral("first name"));
        m_prompter.queueText(QString());
        m_prompter.queueText(std::nullopt);
        m_prompter.queueText(QStringLiteral("[Work] Phone"));
        m_prompter.queueText(QStringLiteral("Email"));
        for (int i = 0; i < 5; ++i)
            click(personal, "btnAdd");
        QCOMPARE(rows(list(personal, "lsvPersonalInfo")), QStringList({QStringLiteral("First Name|"), QStringLiteral("Email|")}));
        QCOMPARE(m_prompter.shown().first().caption, QStringLiteral("New Form Data"));
        QCOMPARE(m_prompter.shown().first().text, QStringLiteral("Enter the title of the new form data item"));
        QCOMPARE(m_prompter.shown().at(1).text, QStringLiteral("An item with the title \"first name\" already exists."));
        QCOMPARE(m_prompter.shown().size(), 7);
        QVERIFY(m_prompter.shown().at(5).text.startsWith(QStringLiteral("The title \"[Work] Phone\" cannot be used")));
    }

    void personalInfoEditsAreCommittedWhenTheSelectionMoves()
    {
        writeRaw(path("pdata.dat"), "[NAMES]\r\nFirst Name\r\nEmail\r\n[VALUES]\r\nFirst Name=John\r\nEmail=john@example.com\r\n"
                                    "[APPLIES TO]\r\nfname=John{~}First Name\r\nmail=john@example.com{~}Email\r\n");
        open();
        QWidget *personal = tab("tsPersonalInfo");
        QAbstractItemView *view = list(personal, "lsvPersonalInfo");
        auto *value = child<QLineEdit>(personal, "edValue");
        auto *appliesTo = child<QPlainTextEdit>(personal, "edAppliesTo");
        QVERIFY(!value->isEnabled());

        clickRow(view, 0);
        QCOMPARE(value->text(), QStringLiteral("John"));
        QCOMPARE(appliesTo->toPlainText(), QStringLiteral("fname"));
        retype(value, QStringLiteral("Jane"));
        appliesTo->setFocus();
        QTest::keyClick(appliesTo, Qt::Key_End, Qt::ControlModifier);
        for (const QString &line : {QStringLiteral("MAIL"), QStringLiteral("  "), QStringLiteral(" first name "), QStringLiteral("FNAME")}) {
            QTest::keyClick(appliesTo, Qt::Key_Return);
            QTest::keyClicks(appliesTo, line);
        }

        clickRow(view, 1);
        QCOMPARE(m_prompter.texts(),
                 QStringList({QStringLiteral("Cannot add \"MAIL\" because that name is being used by \"Email\"."),
                              QStringLiteral("Cannot add \"FNAME\" because that name is being used by \"First Name\".")}));
        QCOMPARE(rows(view), QStringList({QStringLiteral("First Name|Jane"), QStringLiteral("Email|john@example.com")}));
        QCOMPARE(value->text(), QStringLiteral("john@example.com"));
        QCOMPARE(appliesTo->toPlainText(), QStringLiteral("mail"));

        // Moving on without an edit commits nothing and says nothing.
        clickRow(view, 0);
        QCOMPARE(appliesTo->toPlainText(), QStringLiteral("fname\n first name "));
        QCOMPARE(m_prompter.shown().size(), 2);

        click(m_window.get(), "btnOK");
        QCOMPARE(readRaw(path("pdata.dat")),
                 QByteArray("[NAMES]\r\nFirst Name\r\nEmail\r\n[VALUES]\r\nFirst Name=Jane\r\nEmail=john@example.com\r\n"
                            "[APPLIES TO]\r\nmail=john@example.com{~}Email\r\nfname=Jane{~}First Name\r\n"
                            " first name =Jane{~}First Name\r\n"));
    }

    void okCommitsAPendingPersonalInfoEdit()
    {
        writeRaw(path("pdata.dat"), "[NAMES]\r\nZip\r\n");
        open();
        QWidget *personal = tab("tsPersonalInfo");
        clickRow(list(personal, "lsvPersonalInfo"), 0);
        QTest::keyClicks(child<QLineEdit>(personal, "edValue"), QStringLiteral("12345"));
        QTest::keyClicks(child<QPlainTextEdit>(personal, "edAppliesTo"), QStringLiteral("zip"));
        click(m_window.get(), "btnOK");
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        QCOMPARE(readRaw(path("pdata.dat")), QByteArray("[NAMES]\r\nZip\r\n[VALUES]\r\nZip=12345\r\n[APPLIES TO]\r\nzip=12345{~}Zip\r\n"));
    }

    void personalInfoRemoveAsksAndTakesEveryLineOfTheEntry()
    {
        writeRaw(path("pdata.dat"), "[NAMES]\r\nNick\r\nCity\r\n[VALUES]\r\nNick=\r\nCity=Oslo\r\n"
                                    "[APPLIES TO]\r\nnick={~}Nick\r\ncity=Oslo{~}City\r\n");
        open();
        QWidget *personal = tab("tsPersonalInfo");
        QAbstractItemView *view = list(personal, "lsvPersonalInfo");
        clickRow(view, 0);
        m_prompter.queueAnswer(Prompter::Answer::No);
        click(personal, "btnRemove");
        QCOMPARE(rows(view).size(), 2);
        QCOMPARE(m_prompter.texts(), QStringList({QStringLiteral("Are you sure you want to remove \"Nick\" from the list?")}));
        QCOMPARE(m_prompter.shown().first().kind, ScriptedPrompter::Kind::Question);

        m_prompter.queueAnswer(Prompter::Answer::Yes);
        click(personal, "btnRemove");
        QCOMPARE(rows(view), QStringList({QStringLiteral("City|Oslo")}));
        QVERIFY(!enabled(personal, "btnRemove"));
        click(m_window.get(), "btnOK");
        // The field names of an entry without a value go with it and are free again.
        QCOMPARE(readRaw(path("pdata.dat")), QByteArray("[NAMES]\r\nCity\r\n[VALUES]\r\nCity=Oslo\r\n[APPLIES TO]\r\ncity=Oslo{~}City\r\n"));
    }

    void okWritesEveryFileAndTheSwitches()
    {
        writeRaw(path("qcorrect.dat"), "teh=the\r\n");
        open();
        QWidget *correct = tab("tsQuickCorrect");
        QTest::keyClicks(child<QLineEdit>(correct, "edName"), QStringLiteral("Adn"));
        QTest::keyClicks(child<QLineEdit>(correct, "edValue"), QStringLiteral("and"));
        click(correct, "btnAdd");
        child<QCheckBox>(correct, "chkEnable")->setChecked(false);
        QWidget *completion = tab("tsTextBoxAutoComplete");
        child<QRadioButton>(completion, "rbChangeCase")->setChecked(true);
        child<QCheckBox>(tab("tsPersonalInfo"), "chkEnable")->setChecked(false);
        click(m_window.get(), "btnOK");

        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        QCOMPARE(readRaw(path("qcorrect.dat")), QByteArray("Adn=and\r\nteh=the\r\n"));
        for (const char *name : {"tbauto.dat", "qlink.dat", "qinsert.dat", "qwords.dat"})
            QCOMPARE(readRaw(path(name)), QByteArray());
        QCOMPARE(readRaw(path("pdata.dat")), QByteArray("[NAMES]\r\n[VALUES]\r\n[APPLIES TO]\r\n"));
        const auto setting = [this](const char *key) {
            return m_settings->readString(SettingsStore::MainSection, QLatin1String(key));
        };
        QCOMPARE(setting("QuickCorrect"), QStringLiteral("0"));
        QCOMPARE(setting("TBAutoCase"), QStringLiteral("0"));
        QCOMPARE(setting("FormAutoFill"), QStringLiteral("0"));
        QCOMPARE(setting("QuickLinks"), QStringLiteral("1"));
        QCOMPARE(setting("TBAutoComplete"), QStringLiteral("1"));
    }

    void cancelWritesNothing()
    {
        writeRaw(path("qcorrect.dat"), "teh=the\r\n");
        open();
        QWidget *correct = tab("tsQuickCorrect");
        clickRow(list(correct), 0);
        click(correct, "btnRemove");
        child<QCheckBox>(correct, "chkEnable")->setChecked(false);
        click(m_window.get(), "btnCancel");
        QCOMPARE(m_window->result(), int(QDialog::Rejected));
        QCOMPARE(readRaw(path("qcorrect.dat")), QByteArray("teh=the\r\n"));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList({QStringLiteral("qcorrect.dat")}));
        QVERIFY(!m_settings->valueExists(SettingsStore::MainSection, QStringLiteral("QuickCorrect")));
    }

    void aFileThatCannotBeWrittenKeepsTheWindowOpen()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("qinsert.dat")));
        open();
        click(m_window.get(), "btnOK");
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_prompter.shown().size(), 1);
        QVERIFY(m_prompter.shown().first().text.contains(path("qinsert.dat")));
        QVERIFY(QFile::exists(path("qcorrect.dat")));
        QVERIFY(!QFile::exists(path("qwords.dat")));
        QVERIFY(!m_settings->valueExists(SettingsStore::MainSection, QStringLiteral("TBAutoComplete")));
    }

    void everyTabShowsItsHelpPage()
    {
        open();
        for (const char *name : {"tsTextBoxAutoComplete", "tsQuickCorrect", "tsQuickLinks", "tsQuickInsert",
                                 "tsQuickWords", "tsPersonalInfo"})
            click(tab(name), "btnHelp");
        QCOMPARE(m_help, QStringList({QStringLiteral("qrc:/help/tbautohelp.html 400x450"),
                                      QStringLiteral("qrc:/help/qcorrecthelp.html 400x450"),
                                      QStringLiteral("qrc:/help/qlinkshelp.html 400x450"),
                                      QStringLiteral("qrc:/help/qinserthelp.html 400x450"),
                                      QStringLiteral("qrc:/help/qwordshelp.html 400x450"),
                                      QStringLiteral("qrc:/help/personalinfohelp.html 400x450")}));
        for (const QString &shown : std::as_const(m_help))
            QVERIFY2(QFile::exists(QLatin1Char(':') + QUrl(shown.section(QLatin1Char(' '), 0, 0)).path()), qPrintable(shown));
    }

    void theTableFollowsOkAndIgnoresCancel()
    {
        writeRaw(path("qcorrect.dat"), "teh=the\r\n");
        TypingAidTable table(m_folder->path());
        table.LoadTypingAids();
        const auto inTheOpenWindow = [](const std::function<void(QDialog *)> &action) {
            QTimer::singleShot(0, [action] {
                auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(window);
                action(window);
            });
        };
        const auto addCorrection = [](QDialog *window, const QString &name) {
            QWidget *correct = child<QWidget>(window, "tsQuickCorrect");
            QTest::keyClicks(child<QLineEdit>(correct, "edName"), name);
            QTest::keyClicks(child<QLineEdit>(correct, "edValue"), QStringLiteral("and"));
            click(correct, "btnAdd");
        };
        const auto noHelp = [](const QString &, int, int) {};

        inTheOpenWindow([&](QDialog *window) {
            addCorrection(window, QStringLiteral("adn"));
            click(window, "btnCancel");
        });
        QVERIFY(!runAutoCompleteSetup(nullptr, table, *m_settings, m_prompter, noHelp));
        QCOMPARE(table.valueOf(QStringLiteral("adn")), std::nullopt);

        inTheOpenWindow([&](QDialog *window) {
            addCorrection(window, QStringLiteral("nad"));
            click(window, "btnOK");
        });
        QVERIFY(runAutoCompleteSetup(nullptr, table, *m_settings, m_prompter, noHelp));
        QCOMPARE(table.valueOf(QStringLiteral("NAD"), TypingAidTable::Section::QuickCorrect), QStringLiteral("and"));
        QCOMPARE(table.valueOf(QStringLiteral("teh")), QStringLiteral("the"));
        QVERIFY(table.hasSection(TypingAidTable::Section::QuickWords));
    }

    void hugeEntriesOpenAndStayWhole()
    {
        const QByteArray longValue(1024 * 1024, 'v');
        QByteArray many;
        for (int i = 0; i < 100000; ++i)
            many += "w" + QByteArray::number(i) + "=x\r\n";
        writeRaw(path("qcorrect.dat"), QByteArray("long=") + longValue + QByteArray("\r\n") + many);
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char(i * 37 % 256);
        writeRaw(path("qwords.dat"), garbage);
        writeRaw(path("pdata.dat"), garbage);
        open();
        QWidget *correct = tab("tsQuickCorrect");
        QCOMPARE(list(correct)->model()->rowCount(), 100001);
        clickRow(list(correct), 0);
        QCOMPARE(child<QLineEdit>(correct, "edValue")->text().size(), longValue.size());
        tab("tsQuickWords");
        tab("tsPersonalInfo");
        click(m_window.get(), "btnOK");
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        const QByteArray longLine = QByteArray("long=") + longValue + QByteArray("\r\n");
        QVERIFY(readRaw(path("qcorrect.dat")).contains(longLine));
    }
};

KESTREL_TEST(AutoCompleteSetupWindowTest)
#include "AutoCompleteSetupWindowTest.moc"
