#include "prompter.h"
#include "startupcheck.h"
#include "vxmainwindow.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolink"));
    QApplication::setApplicationVersion(QStringLiteral("3.11"));

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
    window->showMaximized();
    const int result = app.exec();
    window.reset();
    return result;
}
