#include "startupcheck.h"

#include "apppaths.h"
#include "prompter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace StartupCheck {

bool generalCsvPresent(Prompter &prompter)
{
    if (QFileInfo(AppPaths::generalCsvPath()).isFile())
        return true;
    prompter.critical(nullptr, QCoreApplication::translate("StartupCheck", "Error"),
        QCoreApplication::translate("StartupCheck", "File not found : general.csv. Program aborted!"));
    return false;
}

} // namespace StartupCheck
