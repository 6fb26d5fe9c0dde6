#include "prompter.h"
#include "startoptions.h"
#include "startupcheck.h"
#include "tabwidget.h"
#include "tarvolinkversion.h"
#include "vxmainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolink"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLINK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Commissioning and service tool for variable-speed drives."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption connectOption(QStringLiteral("connect"),
        QStringLiteral("Connect a unit at start: tcp:IP[:UNIT], rtu:PORT:UNIT[:BAUD] (RS232), "
                       "rs485:PORT:UNIT[:BAUD]."),
        QStringLiteral("UNIT"));
    parser.addOption(connectOption);
    parser.addPositionalArgument(QStringLiteral("files"),
        QStringLiteral("Parameter set files (.dat) to open under \"Units on File\", a recording (.rec) "
                       "to open in the oscilloscope."),
        QStringLiteral("[FILE...]"));
    parser.process(app);
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QFileInfo(file).absoluteFilePath();

    StartOptions::ConnectRequest request;
    if (parser.isSet(connectOption)) {
        request = StartOptions::parseConnect(parser.value(connectOption));
        if (!request.valid) {
            std::fprintf(
                stderr, "tarvolink: cannot read --connect %s\n", qPrintable(parser.value(connectOption)));
            return 2;
        }
    }

    {
        // TARVOLINK_AUTO_ANSWER lets an unattended run (the start-up test) get past this one box;
        // it is honoured nowhere else.
        std::unique_ptr<Prompter> checkPrompter;
        if (qEnvironmentVariableIsSet("TARVOLINK_AUTO_ANSWER"))
            checkPrompter = std::make_unique<AutoAnswerPrompter>();
        else
            checkPrompter = std::make_unique<MessageBoxPrompter>();
        // A missing general.csv is a deliberate stop, not a crash: the exit code stays 0.
        if (!StartupCheck::generalCsvPresent(*checkPrompter))
            return 0;
    }

    auto window = std::make_unique<VXMainWindow>();
    window->showRestored();
    if (request.valid) {
        QTimer::singleShot(0, window.get(), [&window, request] {
            if (TabWidget *tabs = window->tabController())
                StartOptions::connectUnit(*tabs, request);
        });
    }
    if (!files.isEmpty()) {
        QTimer::singleShot(0, window.get(), [&window, files] {
            if (TabWidget *tabs = window->tabController())
                StartOptions::openFiles(*tabs, files);
        });
    }
    // TARVOLINK_SCREENSHOT_TAB=N: the tab shown from the start (pictures of the other views).
    bool tabGiven = false;
    const int shownTab = qEnvironmentVariableIntValue("TARVOLINK_SCREENSHOT_TAB", &tabGiven);
    if (tabGiven && window->tabController())
        window->tabController()->setCurrentIndex(shownTab);
    // TARVOLINK_SCREENSHOT=file.png: save a picture of the window once it has settled, then end.
    const QString screenshot = qEnvironmentVariable("TARVOLINK_SCREENSHOT");
    // TARVOLINK_SCREENSHOT_WAIT=ms: the cycles of the shown tab get that long before the picture.
    const int wait = qEnvironmentVariableIntValue("TARVOLINK_SCREENSHOT_WAIT");
    // TARVOLINK_SCREENSHOT_FINAL_TAB=N: the tab turned to just before the picture, to show what the
    // cycles of the first tab left there (the alert list of a unit that fell silent).
    bool finalGiven = false;
    const int finalTab = qEnvironmentVariableIntValue("TARVOLINK_SCREENSHOT_FINAL_TAB", &finalGiven);
    if (!screenshot.isEmpty()
        && qEnvironmentVariable("TARVOLINK_SCREENSHOT_SCENE") == QLatin1String("linkmonitor")) {
        StartOptions::screenshotLinkMonitor(*window, screenshot, qMax(1000, wait));
    } else if (!screenshot.isEmpty()) {
        QTimer::singleShot(qMax(0, wait), window.get(), [&window, screenshot, finalGiven, finalTab] {
            if (finalGiven && window->tabController())
                window->tabController()->setCurrentIndex(finalTab);
            const QString scene = qEnvironmentVariable("TARVOLINK_SCREENSHOT_SCENE");
            if (scene == QLatin1String("oscilloscope"))
                StartOptions::screenshotOscilloscope(*window, screenshot);
            else if (scene == QLatin1String("compare") || scene == QLatin1String("trigger"))
                StartOptions::screenshotDialog(*window, screenshot, scene);
            else
                StartOptions::screenshotWhenSettled(*window, screenshot);
        });
    }
    const int result = app.exec();
    window.reset();
    return result;
}
