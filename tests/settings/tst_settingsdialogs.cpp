// The communication settings and preferences dialogs: the delay and retry limits, Cancel putting
// back the accepted values, and what reaches the settings file.
#include "commsettings.h"
#include "preferences.h"
#include "promptedtest.h"
#include "settingsfile.h"
#include "settingsrecord.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsDialogs : public PromptedTest
{
    Q_OBJECT
private slots:
    void cleanup() { verifyPrompts(); }

    void delayBelow35IsRefused_data();
    void delayBelow35IsRefused();
    void retryCountStaysWithinOneToFive();
    void retryBoxOnlyEnablesTheCount();
    void commCancelRestoresAcceptedValues();
    void preferencesCancelRestoresAndOkStores();
    void autoSaveOffKeepsTheOldFile();
};

void TestSettingsDialogs::delayBelow35IsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("34") << "34" << false;
    QTest::newRow("35") << "35" << true;
    QTest::newRow("70") << "70" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("five digits") << "99999" << true;
}

void TestSettingsDialogs::delayBelow35IsRefused()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    CommSettings dialog(prompter);
    dialog.setValues(true, 50, true, 2);
    QSignalSpy ok(&dialog, &CommSettings::vxUISigCommOkClicked);
    dialog.delayEdit()->setText(typed);
    if (!accepted)
        prompter.expectCritical("Delay should be greater than 35ms.", "Error");
    dialog.okButton()->click();
    QCOMPARE(ok.count(), accepted ? 1 : 0);
    QCOMPARE(dialog.getDelay(), accepted ? typed.toUInt() : 50u);
    QCOMPARE(dialog.delayEdit()->text(), accepted ? typed : QString("50"));
}

void TestSettingsDialogs::retryCountStaysWithinOneToFive()
{
    CommSettings dialog(prompter);
    QSpinBox *count = dialog.retriesBox();
    count->setValue(0);
    QCOMPARE(count->value(), 1);
    count->setValue(9);
    QCOMPARE(count->value(), 5);
    dialog.setValues(true, 70, true, 42); // a damaged file cannot push it out either
    QCOMPARE(dialog.getNoOfRetries(), 5u);
    QCOMPARE(dialog.delayEdit()->maxLength(), 5);
}

void TestSettingsDialogs::retryBoxOnlyEnablesTheCount()
{
    CommSettings dialog(prompter);
    dialog.retryBox()->setChecked(false);
    QVERIFY(!dialog.retriesBox()->isEnabled());
    QVERIFY(dialog.retriesCaption()->styleSheet().startsWith("color:gray"));
    dialog.retryBox()->setChecked(true);
    QVERIFY(dialog.retriesBox()->isEnabled());
    QVERIFY(dialog.retriesCaption()->styleSheet().startsWith("color:rgb(58, 58, 58)"));
}

void TestSettingsDialogs::commCancelRestoresAcceptedValues()
{
    CommSettings dialog(prompter);
    SettingsRecord record;
    record.delayMs = 120;
    record.retries = 4;
    record.retriesEnabled = false;
    record.continueDespiteFault = false;
    dialog.loadFrom(record);
    QSignalSpy cancelled(&dialog, &CommSettings::vxUISigCommCancelClicked);
    dialog.delayEdit()->setText("300");
    dialog.retryBox()->setChecked(true);
    dialog.retriesBox()->setValue(1);
    dialog.continueBox()->setChecked(true);
    dialog.cancelButton()->click();
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(dialog.delayEdit()->text(), QString("120"));
    QVERIFY(!dialog.retryBox()->isChecked());
    QCOMPARE(dialog.retriesBox()->value(), 4);
    SettingsRecord back;
    dialog.storeIn(back);
    QCOMPARE(back.delayMs, 120u);
    QVERIFY(!back.continueDespiteFault);

    dialog.delayEdit()->setText("35");
    dialog.continueBox()->setChecked(true);
    dialog.okButton()->click();
    dialog.storeIn(back);
    QCOMPARE(back.delayMs, 35u);
    QVERIFY(back.continueDespiteFault); // taken from the box at OK
}

void TestSettingsDialogs::preferencesCancelRestoresAndOkStores()
{
    Preferences dialog;
    SettingsRecord record; // defaults: everything on but "ExportOnlyChanged"
    dialog.loadFrom(record);
    for (int i = 0; i < Preferences::OptionCount; ++i)
        dialog.box(Preferences::Option(i))->toggle();
    dialog.cancelButton()->click();
    QVERIFY(dialog.box(Preferences::AutoScanActive)->isChecked());
    QVERIFY(!dialog.box(Preferences::ExportOnlyChanged)->isChecked());
    dialog.box(Preferences::AutoSave)->setChecked(false);
    dialog.box(Preferences::ExportOnlyChanged)->setChecked(true);
    dialog.okButton()->click();
    dialog.storeIn(record);
    QVERIFY(!record.autoSave);
    QVERIFY(record.exportOnlyChanged);
    QVERIFY(record.autoImportActive && record.importActive && record.autoScanActive);
}

void TestSettingsDialogs::autoSaveOffKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.set");
    SettingsRecord record;
    record.delayMs = 90;
    QVERIFY(SettingsFile::save(record, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    Preferences prefs;
    CommSettings comm(prompter);
    prefs.loadFrom(record);
    comm.loadFrom(record);
    prefs.box(Preferences::AutoSave)->setChecked(false);
    prefs.okButton()->click();
    comm.delayEdit()->setText("200");
    comm.okButton()->click();
    prefs.storeIn(record);
    comm.storeIn(record);
    QVERIFY(!SettingsFile::saveIfAutoSave(record, path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    SettingsRecord reread;
    QVERIFY(SettingsFile::load(path, reread));
    QVERIFY(reread.autoSave);
    QCOMPARE(reread.delayMs, 90u);
}

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
