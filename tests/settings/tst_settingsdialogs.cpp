// The communication settings and preferences dialogs: the delay and retry limits, Cancel putting
// back the accepted values, and what reaches the settings record.
#include "commsettings.h"
#include "preferences.h"
#include "promptedtest.h"
#include "settingsfile.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

class TestSettingsDialogs : public PromptedTest
{
    Q_OBJECT
private slots:
    void cleanup() { verifyPrompts(); }

    void delayBelow35IsRefused();
    void retriesStayWithinOneToFiveAndCancelEscapeRestore();
    void autoSaveOffKeepsTheOldFile();
};

void TestSettingsDialogs::delayBelow35IsRefused()
{
    CommSettings dialog(prompter);
    dialog.setValues(true, 50, true, 2);
    QSignalSpy ok(&dialog, &CommSettings::vxUISigCommOkClicked);
    for (const QString typed : { "34", "", "35", "70" }) {
        const bool accepted = typed.toUInt() >= 35;
        dialog.delayEdit()->setText(typed);
        if (!accepted)
            prompter.expectCritical("Delay should be at least 35 ms.", "Error");
        const uint before = dialog.getDelay();
        dialog.okButton()->click();
        QCOMPARE(dialog.getDelay(), accepted ? typed.toUInt() : before);
        QCOMPARE(dialog.delayEdit()->text(), QString::number(dialog.getDelay()));
    }
    QCOMPARE(ok.count(), 2);
}

void TestSettingsDialogs::retriesStayWithinOneToFiveAndCancelEscapeRestore()
{
    CommSettings dialog(prompter);
    SettingsRecord record;
    record.delayMs = 120;
    record.retries = 42; // a damaged file cannot push the count out of range either
    record.retriesEnabled = false;
    dialog.loadFrom(record);
    QCOMPARE(dialog.getNoOfRetries(), 5u);
    QVERIFY(!dialog.retriesBox()->isEnabled());
    QVERIFY(dialog.retriesCaption()->styleSheet().startsWith("color:gray"));
    dialog.retryBox()->setChecked(true);
    QVERIFY(dialog.retriesBox()->isEnabled());
    QVERIFY(dialog.retriesCaption()->styleSheet().startsWith("color:rgb(58, 58, 58)"));
    dialog.retriesBox()->setValue(0);
    QCOMPARE(dialog.retriesBox()->value(), 1);
    dialog.delayEdit()->setText("300");
    dialog.cancelButton()->click();
    QCOMPARE(dialog.delayEdit()->text(), QString("120"));
    QVERIFY(!dialog.retryBox()->isChecked());
    QCOMPARE(dialog.retriesBox()->value(), 5);
    // Escape does what Cancel does.
    dialog.show();
    dialog.delayEdit()->clear();
    QTest::keyClicks(dialog.delayEdit(), "400");
    QTest::keyClick(dialog.delayEdit(), Qt::Key_Escape);
    QCOMPARE(dialog.delayEdit()->text(), QString("120"));
}

// Cancel keeps the old preferences; "AutoSave" cleared by OK reaches the record. That the file
// then stays as it was at close-down is shown by tst_tabwidget.
void TestSettingsDialogs::autoSaveOffKeepsTheOldFile()
{
    SettingsRecord record;
    Preferences prefs;
    prefs.loadFrom(record);
    for (int i = 0; i < Preferences::OptionCount; ++i)
        prefs.box(Preferences::Option(i))->toggle();
    prefs.show();
    prefs.close(); // the window's close button does what Cancel does
    QVERIFY(prefs.box(Preferences::AutoSave)->isChecked());
    QVERIFY(!prefs.box(Preferences::ExportOnlyChanged)->isChecked());
    prefs.box(Preferences::AutoSave)->setChecked(false);
    prefs.okButton()->click();
    prefs.storeIn(record);
    QVERIFY(!record.autoSave && record.autoScanActive && !record.exportOnlyChanged);
}

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
