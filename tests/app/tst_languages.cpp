// The running main window switched to each language and back: texts of the window, the tab
// controller and the dialogs change with the catalogue and return to English.
#include "apppaths.h"
#include "commsettings.h"
#include "headerline.h"
#include "loginframe.h"
#include "rolechange.h"
#include "scancontroller.h"
#include "scanning.h"
#include "scriptedprompter.h"
#include "setlanguage.h"
#include "settingsbinder.h"
#include "tabwidget.h"
#include "vxmainwindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void eachLanguageChangesTextsAndEnglishReturns();

private:
    QStringList texts(const VXMainWindow &w) const
    {
        TabWidget *tab = w.tabController();
        return { w.menuBar()->actions().at(1)->text(), w.action(VXMainWindow::ExitAct)->text(),
            w.action(VXMainWindow::NewAct)->statusTip(), w.loginFrame()->loginButton()->text(),
            tab->tabs()->tabText(TabWidget::LinkInformationTab), tab->commSettingsDialog()->windowTitle(),
            tab->scanController()->progressWindow()->windowTitle(), w.roleChangeDialog()->windowTitle() };
    }
};

void TestLanguages::eachLanguageChangesTextsAndEnglishReturns()
{
    // The build's own folder: general.csv and the catalogues as the build installs them.
    QCOMPARE(QDir(TARVOLINK_BIN_DIR "/configData").entryList({ "vx_*.qm" }).size(),
        SetLanguage::LanguageCount - 1);
    AppPaths::setBaseDir(TARVOLINK_BIN_DIR);
    VXMainWindow w(std::make_unique<ScriptedPrompter>());
    const QStringList english = texts(w);
    const char *const settingsMenus[] = { "Inställningar", "Instellingen", "Einstellungen", "Paramètres",
        "Configuración", "Настройки", "Impostazioni", "Nastavení", "Ayarlar", "Definições" };
    for (int index = 1; index < SetLanguage::LanguageCount; ++index) {
        w.onLangSelectionChanged(uint(index));
        const QStringList translated = texts(w);
        QCOMPARE(translated.at(0), QString::fromUtf8(settingsMenus[index - 1]));
        for (int i = 0; i < translated.size(); ++i)
            QVERIFY2(translated.at(i) != english.at(i), qPrintable(english.at(i) + " stayed English"));
        QVERIFY(w.headerLine()->languageLabel()->text().contains(SetLanguage::flagPath(index)));
        QCOMPARE(w.tabController()->settings().record().language, uint(index));
        w.onLangSelectionChanged(0);
        QCOMPARE(texts(w), english);
    }
    // An index beyond the table, as a damaged settings file may hold, shows English.
    w.onLangSelectionChanged(3);
    w.onLangSelectionChanged(11);
    QCOMPARE(texts(w), english);
    QVERIFY(w.headerLine()->languageLabel()->text().contains("English"));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
