#include "browser/NewWindowPolicy.h"
#include "browser/TfrmNewWindow.h"
#include "shell/SettingsStore.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class NewWindowDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;

    QRadioButton *radio(const QWidget &dialog, int value) const
    {
        return dialog.findChild<QRadioButton *>(QStringLiteral("R%1").arg(value));
    }
    QCheckBox *dontAsk(const QWidget &dialog) const { return dialog.findChild<QCheckBox *>(QStringLiteral("chkDoNotAsk")); }
    QPushButton *ok(const QWidget &dialog) const { return dialog.findChild<QPushButton *>(QStringLiteral("btnOk")); }
    int stored(const QString &key, int defaultValue) const
    {
        return m_settings->readInteger(SettingsStore::MainSection, key, defaultValue);
    }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
    }

    void controlsAndTexts()
    {
        TfrmNewWindow dialog(*m_settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Window"));
        QVERIFY((dialog.windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
        QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblText"))->text(),
                 QStringLiteral("The browser is attempting to open a new window.  Please specify how it should be handled."));
        const QStringList captions = {QStringLiteral("Open in same window."), QStringLiteral("Open on new browser tab."),
                                      QStringLiteral("Open in default browser"), QStringLiteral("Do not open at all.")};
        for (int value = 1; value <= 4; ++value)
            QCOMPARE(radio(dialog, value)->text(), captions.at(value - 1));
        QCOMPARE(dontAsk(dialog)->text(), QStringLiteral("Do not ask again."));
        QCOMPARE(ok(dialog)->text(), QStringLiteral("&Ok"));
        QVERIFY(ok(dialog)->isDefault());
        // With nothing stored "Open in default browser" is selected.
        QVERIFY(radio(dialog, 3)->isChecked());
        QVERIFY(!dontAsk(dialog)->isChecked());
    }

    void opensOnTheStoredChoice_data()
    {
        QTest::addColumn<int>("storedValue");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
        QTest::newRow("none") << 0;
        QTest::newRow("unknown") << 7;
    }

    void opensOnTheStoredChoice()
    {
        QFETCH(int, storedValue);
        m_settings->writeInteger(SettingsStore::MainSection, NewWindowPolicy::NewWindowKey, storedValue);
        m_settings->writeBool(SettingsStore::MainSection, NewWindowPolicy::NewWindowDialogKey, true);
        TfrmNewWindow dialog(*m_settings);
        for (int value = 1; value <= 4; ++value)
            QCOMPARE(radio(dialog, value)->isChecked(), value == storedValue);
        // The check box always starts unchecked; OK with no choice selected stores 0.
        QVERIFY(!dontAsk(dialog)->isChecked());
        dialog.btnOkClick();
        QCOMPARE(stored(NewWindowPolicy::NewWindowKey, -1), storedValue <= 4 ? storedValue : 0);
    }

    void okStoresTheChoiceAndTheCheckBox()
    {
        TfrmNewWindow dialog(*m_settings);
        dialog.show();
        radio(dialog, 2)->click();
        dontAsk(dialog)->click();
        ok(dialog)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored(NewWindowPolicy::NewWindowKey, -1), 2);
        QCOMPARE(stored(NewWindowPolicy::NewWindowDialogKey, -1), 1);

        // OK without the check box turns asking on again.
        TfrmNewWindow again(*m_settings);
        QVERIFY(radio(again, 2)->isChecked());
        again.btnOkClick();
        QCOMPARE(stored(NewWindowPolicy::NewWindowDialogKey, -1), 0);
    }

    void closeBoxStoresNothing()
    {
        TfrmNewWindow dialog(*m_settings);
        dialog.show();
        radio(dialog, 4)->setChecked(true);
        dontAsk(dialog)->setChecked(true);
        dialog.close();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!m_settings->valueExists(SettingsStore::MainSection, NewWindowPolicy::NewWindowKey));
        QVERIFY(!m_settings->valueExists(SettingsStore::MainSection, NewWindowPolicy::NewWindowDialogKey));
    }
};

KESTREL_TEST(NewWindowDialogTest)
#include "NewWindowDialogTest.moc"
