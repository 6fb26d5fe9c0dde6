#pragma once

#include <QString>
#include <QStringList>

class TabWidget;
class VXMainWindow;

// Command-line conveniences for unattended runs (demonstrations, screenshots, the README):
// connecting a unit at start and saving a picture of the window.
namespace StartOptions {

// A unit to connect at start, as the add-unit dialog would send it.
struct ConnectRequest
{
    bool valid = false;
    QString interfaceName; // "RS232", "RS485", "TCPIP"
    QString port;
    int unit = 1;
    int baudrate = 19200;
    QString parity = QStringLiteral("N,8,1");
    QString ipAddress;
};

// "tcp:IP[:UNIT]", "rtu:PORT:UNIT[:BAUD]" (RS232), "rs232:PORT:UNIT[:BAUD]", "rs485:PORT:UNIT[:BAUD]".
// Invalid text gives valid == false.
ConnectRequest parseConnect(const QString &text);

// Sends the request to the controller as the add-unit dialog would.
void connectUnit(TabWidget &tabs, const ConnectRequest &request);

// Opens the files named at start: a recording (".rec") in the oscilloscope, parameter set files
// (".dat") under "Units on File", as the desktop's "open with" hands them over.
void openFiles(TabWidget &tabs, const QStringList &paths);

// Once no unit is being identified and no transfer runs (or after timeoutMs), saves a picture of
// the window to path and ends the event loop with 0 (1 when the picture could not be written).
void screenshotWhenSettled(VXMainWindow &window, const QString &path, int timeoutMs = 120000);

// The same for the oscilloscope: once the unit is connected, shows two analog and four digital
// traces recording, places both markers after a few seconds and saves the picture.
void screenshotOscilloscope(VXMainWindow &window, const QString &path, int timeoutMs = 120000);
// Opens the Link Monitor at once, starts a recording of two signals once the unit is linked and
// saves a picture of the monitor after `recordMs` of it, then ends the program.
void screenshotLinkMonitor(VXMainWindow &window, const QString &path, int recordMs);

// Once the unit is connected, opens the dialog of scene ("compare", "trigger": the conditional
// trigger) and saves a picture of the whole screen, the dialog where it opened.
void screenshotDialog(
    VXMainWindow &window, const QString &path, const QString &scene, int timeoutMs = 120000);

} // namespace StartOptions
