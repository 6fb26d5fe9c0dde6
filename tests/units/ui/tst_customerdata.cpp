// "Customer data...": the twelve texts are edited, kept in the settings and handed to the
// parameters view, which writes them into parameter set files and printouts.
#include "apppaths.h"
#include "customerdatadialog.h"
#include "parameters.h"
#include "scriptedprompter.h"
#include "settingsbinder.h"
#include "tabwidget.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestCustomerData : public QObject
{
    Q_OBJECT
private slots:
    void editedTextsReachSettingsAndView();
};

void TestCustomerData::editedTextsReachSettingsAndView()
{
    QTemporaryDir dir;
    AppPaths::setBaseDir(dir.path());
    ScriptedPrompter prompter;
    TabWidget tab(prompter);
    tab.settings().record().customer[0] = QStringLiteral("Old Pumps AB");
    // "Cancel" keeps the old texts, then "OK" keeps the edit.
    for (const bool accept : { false, true }) {
        tab.vxUISlotCustomerDataSelected();
        auto *dialog = tab.findChild<CustomerDataDialog *>(QStringLiteral("customerDataDialog"));
        QVERIFY(dialog);
        QCOMPARE(dialog->field(0)->text(), QStringLiteral("Old Pumps AB"));
        QVERIFY(!dialog->field(0)->isReadOnly());
        dialog->field(0)->setText(QStringLiteral("Müller Pumpen GmbH"));
        dialog->field(8)->setText(QStringLiteral("Pumpwerk 3"));
        accept ? dialog->accept() : dialog->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // each opening makes a new one
        const QString company
            = accept ? QStringLiteral("Müller Pumpen GmbH") : QStringLiteral("Old Pumps AB");
        QCOMPARE(tab.settings().record().customer[0], company);
        QCOMPARE(tab.settings().record().customer[8], accept ? QStringLiteral("Pumpwerk 3") : QString());
    }
    QCOMPARE(tab.parameters()->customerData().value(8), QStringLiteral("Pumpwerk 3"));
    QCOMPARE(prompter.problems(), QString());
    AppPaths::setBaseDir(QString());
}

QTEST_MAIN(TestCustomerData)
#include "tst_customerdata.moc"
