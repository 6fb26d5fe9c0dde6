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
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_window.reset(); }
    void eachLanguageChangesTextsAndEnglishReturns_data();
    void eachLanguageChangesTextsAndEnglishReturns();
    void indexBeyondTheTableShowsEnglish();

private:
    // The texts checked, read from the running window.
    QStringList texts() const;
    QTemporaryDir m_home;
    std::unique_ptr<VXMainWindow> m_window;
    QStringList m_english;
};

void TestLanguages::initTestCase()
{
    QVERIFY(QDir(m_home.path()).mkpath("configData"));
    QFile csv(m_home.path() + "/configData/general.csv");
    QVERIFY(csv.open(QIODevice::WriteOnly));
    // The catalogues as the build installs them beside the programs.
    const QDir built(TARVOLINK_BIN_DIR "/configData");
    const QStringList catalogues = built.entryList({ "vx_*.qm" });
    QCOMPARE(catalogues.size(), SetLanguage::LanguageCount - 1);
    for (const QString &name : catalogues)
        QVERIFY(QFile::copy(built.filePath(name), m_home.path() + "/configData/" + name));
    AppPaths::setBaseDir(m_home.path());
    QApplication::setQuitOnLastWindowClosed(false);
    m_window = std::make_unique<VXMainWindow>(std::make_unique<ScriptedPrompter>());
    m_english = texts();
}

QStringList TestLanguages::texts() const
{
    const VXMainWindow &w = *m_window;
    TabWidget *tab = w.tabController();
    return { w.menuBar()->actions().at(1)->text(), w.action(VXMainWindow::ExitAct)->text(),
        w.action(VXMainWindow::NewAct)->statusTip(), w.loginFrame()->loginButton()->text(),
        tab->tabs()->tabText(TabWidget::LinkInformationTab), tab->commSettingsDialog()->windowTitle(),
        tab->scanController()->progressWindow()->windowTitle(), w.roleChangeDialog()->windowTitle() };
}

void TestLanguages::eachLanguageChangesTextsAndEnglishReturns_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("settingsMenu");
    const char *const menus[] = { "Inställningar", "Instellingen", "Einstellungen", "Paramètres",
        "Configuración", "Настройки", "Impostazioni", "Nastavení", "Ayarlar", "Definições" };
    for (int i = 1; i < SetLanguage::LanguageCount; ++i)
        QTest::newRow(qPrintable(SetLanguage::languageName(i))) << i << QString::fromUtf8(menus[i - 1]);
}

void TestLanguages::eachLanguageChangesTextsAndEnglishReturns()
{
    QFETCH(int, index);
    QFETCH(QString, settingsMenu);
    VXMainWindow &w = *m_window;
    w.onLangSelectionChanged(uint(index));
    const QStringList translated = texts();
    QCOMPARE(translated.at(0), settingsMenu);
    for (int i = 0; i < translated.size(); ++i)
        QVERIFY2(translated.at(i) != m_english.at(i), qPrintable(m_english.at(i) + " stayed English"));
    QVERIFY(w.headerLine()->languageLabel()->text().contains(SetLanguage::flagPath(index)));
    QCOMPARE(w.tabController()->settings().record().language, uint(index));

    w.onLangSelectionChanged(0);
    QCOMPARE(texts(), m_english);
    QCOMPARE(w.tabController()->settings().record().language, 0u);
}

void TestLanguages::indexBeyondTheTableShowsEnglish()
{
    VXMainWindow &w = *m_window;
    w.onLangSelectionChanged(3);
    w.onLangSelectionChanged(11);
    QCOMPARE(texts(), m_english);
    QVERIFY(w.headerLine()->languageLabel()->text().contains("English"));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
