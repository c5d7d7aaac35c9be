#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "formdata/FormDataCommands.h"
#include "shell/TextFile.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryPageBuilder.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The File menu's form data commands over the in-memory page: what they say, which dialogs
// they show with which filters, the File menu's state rule, the status panel and gauge, and
// the text area's file insertion.
class FormDataCommandsTest : public QObject
{
    Q_OBJECT

    const QString m_page = uR"(<html><body>
<form id="form"><input id="box" name="box" value="typed"/><input id="pin" type="password" name="pin" value="1234"/>
<textarea id="area" name="area"></textarea><select id="list" name="list"><option>a</option></select>
<input id="tick" type="checkbox" name="tick"/><input id="push" type="button" value="Push"/>
<input id="go" type="submit" name="go"/></form>
<form id="plain"><input id="lone" name="lone"/></form>
<input id="outside" name="outside"/></body></html>)"_s;

    QTemporaryDir m_folder;
    std::shared_ptr<MemoryDocument> m_document;
    bool m_withDocument = true;
    ScriptedPrompter m_prompter;
    std::unique_ptr<CommandRegistry> m_commands;
    std::unique_ptr<FormDataCommands> m_formData;
    QStringList m_statusTexts;
    QList<int> m_gauge;

    void focus(const QString &id)
    {
        if (!id.isEmpty())
            QVERIFY(m_document->elementById(id)->focus());
    }

    QString path(const QString &name) const { return m_folder.filePath(name); }

    static QByteArray contents(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
    }

private slots:
    void init()
    {
        failOnQtWarnings();
        m_document = MemoryPageBuilder::build(m_page, QUrl(u"http://memory.test/form.html"_s));
        QVERIFY(m_document);
        m_withDocument = true;
        m_prompter.clear();
        m_statusTexts.clear();
        m_gauge.clear();
        m_commands = std::make_unique<CommandRegistry>();
        m_formData = std::make_unique<FormDataCommands>(
            *m_commands, m_prompter,
            FormDataCommands::Collaborators{
                [this] { return m_withDocument ? std::static_pointer_cast<PageDocument>(m_document) : nullptr; },
                [this](const QString &text) { m_statusTexts.append(text); },
                [this](int percent) { m_gauge.append(percent); }});
    }

    void aWrongFocusIsToldAndNothingElseHappens_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("message");
        const QString areaSave = u"Please place the cursor in the text area you want to save."_s;
        const QString areaInsert = u"Please place the cursor in the text area that you want to insert the text file into."_s;
        const QString form = u"Please place the cursor on a form element of the form you want to save."_s;
        QTest::newRow("save text area from a text box") << CommandIds::SaveTextArea << u"box"_s << areaSave;
        QTest::newRow("insert text file with nothing focused") << CommandIds::InsertTextFile << QString() << areaInsert;
        QTest::newRow("save form data from a check box") << CommandIds::SaveFormData << u"tick"_s << form;
        QTest::newRow("save form data from a push button") << CommandIds::SaveFormData << u"push"_s << form;
        QTest::newRow("save form data outside any form") << CommandIds::SaveFormData << u"outside"_s << form;
        QTest::newRow("insert form data with nothing focused") << CommandIds::InsertFormData << QString() << form;
    }

    void aWrongFocusIsToldAndNothingElseHappens()
    {
        QFETCH(QString, command);
        QFETCH(QString, focus);
        QFETCH(QString, message);
        this->focus(focus);
        QVERIFY(m_commands->trigger(command));
        QCOMPARE(m_prompter.texts(), QStringList{message});
        QCOMPARE(m_prompter.shown().constFirst().kind, ScriptedPrompter::Kind::Message);
        QVERIFY(m_statusTexts.isEmpty());
    }

    void theFileMenuStateFollowsTheFocus_data()
    {
        QTest::addColumn<bool>("document");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("textArea");
        QTest::addColumn<bool>("formData");
        QTest::newRow("text area") << true << u"area"_s << true << true;
        QTest::newRow("text box") << true << u"box"_s << false << true;
        QTest::newRow("select") << true << u"list"_s << false << true;
        QTest::newRow("check box") << true << u"tick"_s << false << true;
        QTest::newRow("text box outside any form") << true << u"outside"_s << false << true;
        QTest::newRow("nothing focused") << true << QString() << false << false;
        QTest::newRow("no document") << false << QString() << false << false;
    }

    void theFileMenuStateFollowsTheFocus()
    {
        QFETCH(bool, document);
        QFETCH(QString, focus);
        QFETCH(bool, textArea);
        QFETCH(bool, formData);
        this->focus(focus);
        m_withDocument = document;
        m_formData->FileMenuPopup();
        QCOMPARE(m_commands->find(CommandIds::SaveTextArea)->isEnabled(), textArea);
        QCOMPARE(m_commands->find(CommandIds::InsertTextFile)->isEnabled(), textArea);
        QCOMPARE(m_commands->find(CommandIds::SaveFormData)->isEnabled(), formData);
        QCOMPARE(m_commands->find(CommandIds::InsertFormData)->isEnabled(), formData);
    }

    void eachDialogOffersItsOwnFilterOnEveryPath()
    {
        // Cancelling the form data dialog leaves the text file dialog as it was.
        focus(u"area"_s);
        QVERIFY(m_commands->trigger(CommandIds::SaveFormData));
        QVERIFY(m_commands->trigger(CommandIds::SaveTextArea));
        QVERIFY(m_commands->trigger(CommandIds::InsertFormData));
        QVERIFY(m_commands->trigger(CommandIds::InsertTextFile));
        const QList<ScriptedPrompter::Shown> shown = m_prompter.shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown.at(0).kind, ScriptedPrompter::Kind::SaveFile);
        QCOMPARE(shown.at(0).text, u"Kestrel Browser Form Data|*.kbf;*.KBF"_s);
        QCOMPARE(shown.at(1).kind, ScriptedPrompter::Kind::SaveFile);
        QCOMPARE(shown.at(1).text, u"Text File|*.txt;*.TXT|Any File|*"_s);
        QCOMPARE(m_prompter.defaultSuffixes(), (QStringList{u"kbf"_s, QString()}));
        QCOMPARE(shown.at(2).kind, ScriptedPrompter::Kind::OpenFile);
        QCOMPARE(shown.at(2).text, u"Kestrel Browser Form Data|*.kbf;*.KBF"_s);
        QCOMPARE(shown.at(3).kind, ScriptedPrompter::Kind::OpenFile);
        QCOMPARE(shown.at(3).text, u"Text files|*.txt;*.TXT|All Files|*"_s);
        QVERIFY(m_statusTexts.isEmpty());
    }

    void theSaveDialogTellsWhenPasswordsAreSaved_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("caption");
        QTest::newRow("form with a password box")
            << u"box"_s << u"Save As - passwords of this form are saved as plain text"_s;
        QTest::newRow("form without one") << u"lone"_s << u"Save As"_s;
    }

    void theSaveDialogTellsWhenPasswordsAreSaved()
    {
        QFETCH(QString, focus);
        QFETCH(QString, caption);
        this->focus(focus);
        QVERIFY(m_commands->trigger(CommandIds::SaveFormData));
        QCOMPARE(m_prompter.shown().constFirst().caption, caption);
    }

    void savingAndInsertingShowTheirProgress()
    {
        focus(u"box"_s);
        const QString file = path(u"form.kbf"_s);
        m_prompter.queueText(file);
        QVERIFY(m_commands->trigger(CommandIds::SaveFormData));
        QCOMPARE(contents(file), QByteArray("box=typed\r\npin=1234\r\narea=\r\nlist=0\r\ntick=false\r\n"));
        QCOMPARE(m_statusTexts, (QStringList{u"Saving - "_s + file, u"Done"_s}));
        // Seven controls: the gauge runs from 0 through each index to the last, then back to 0.
        QCOMPARE(m_gauge, (QList<int>{0, 0, 16, 33, 50, 66, 83, 100, 0}));

        m_statusTexts.clear();
        m_gauge.clear();
        QVERIFY(m_document->elementById(u"box"_s)->setValue(u"changed"_s));
        m_prompter.queueText(file);
        QVERIFY(m_commands->trigger(CommandIds::InsertFormData));
        QCOMPARE(m_document->elementById(u"box"_s)->value(), u"typed"_s);
        QCOMPARE(m_statusTexts, (QStringList{u"Opening - "_s + file, u"Done"_s}));
        QCOMPARE(m_gauge.constFirst(), 0);
        QCOMPARE(m_gauge.constLast(), 0);
        QVERIFY(m_gauge.contains(100));
        QCOMPARE(m_prompter.texts().constLast(), u"Inserted data for 5 form fields."_s);
    }

    void aMissingFileIsNotFound()
    {
        focus(u"box"_s);
        m_prompter.queueText(path(u"missing.kbf"_s));
        QVERIFY(m_commands->trigger(CommandIds::InsertFormData));
        QCOMPARE(m_prompter.texts().constLast(), u"File Not Found"_s);
        QVERIFY(m_statusTexts.isEmpty());
    }

    void aTextFileGoesIntoTheTextArea_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("after");
        const int yes = int(Prompter::Answer::Yes);
        const int no = int(Prompter::Answer::No);
        const int cancel = int(Prompter::Answer::Cancel);
        QTest::newRow("empty area") << QString() << cancel << false << u"one\ntwo\n"_s;
        QTest::newRow("Yes overwrites") << u"old"_s << yes << true << u"one\ntwo\n"_s;
        QTest::newRow("No appends after one line feed") << u"old"_s << no << true << u"old\none\ntwo\n"_s;
        QTest::newRow("Cancel keeps the text") << u"old"_s << cancel << true << u"old"_s;
    }

    void aTextFileGoesIntoTheTextArea()
    {
        QFETCH(QString, before);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, after);
        QVERIFY(TextFile::writeLines(path(u"in.txt"_s), {u"one"_s, u"two"_s}));
        focus(u"area"_s);
        QVERIFY(m_document->elementById(u"area"_s)->setValue(before));
        m_prompter.queueText(path(u"in.txt"_s));
        m_prompter.queueAnswer(Prompter::Answer(answer));
        QVERIFY(m_commands->trigger(CommandIds::InsertTextFile));
        QCOMPARE(m_document->elementById(u"area"_s)->value(), after);
        const QString question = u"The text area is not empty.  Do you want to overwrite the current text with the "
                                 u"contents of the text file?\r\n\r\nYes = Overwrite\r\nNo = Append\r\nCancel = Abort "
                                 u"text file insertion"_s;
        QCOMPARE(m_prompter.texts().contains(question), asked);
    }
};

KESTREL_TEST(FormDataCommandsTest)
#include "FormDataCommandsTest.moc"
