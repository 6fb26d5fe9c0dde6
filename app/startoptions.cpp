#include "startoptions.h"

#include "compareparameters.h"
#include "conditionaltrigger.h"
#include "linkmonitorwindow.h"
#include "osccontrolbar.h"
#include "oscdevicekeeper.h"
#include "oscilloscopewidget.h"
#include "oscplotarea.h"
#include "osctrigger.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "tabwidget.h"
#include "unitregistry.h"
#include "vxmainwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <memory>

namespace StartOptions {

ConnectRequest parseConnect(const QString &text)
{
    ConnectRequest r;
    const QStringList parts = text.split(QLatin1Char(':'));
    const QString kind = parts.value(0).toLower();
    bool ok = true;
    if (kind == QLatin1String("tcp")) {
        if (parts.size() < 2 || parts.size() > 3 || parts.at(1).isEmpty())
            return r;
        r.interfaceName = QStringLiteral("TCPIP");
        r.ipAddress = parts.at(1);
        if (parts.size() == 3)
            r.unit = parts.at(2).toInt(&ok);
    } else if (kind == QLatin1String("rtu") || kind == QLatin1String("rs232")
        || kind == QLatin1String("rs485")) {
        if (parts.size() < 3 || parts.size() > 4 || parts.at(1).isEmpty())
            return r;
        r.interfaceName = kind == QLatin1String("rs485") ? QStringLiteral("RS485") : QStringLiteral("RS232");
        r.port = parts.at(1);
        r.unit = parts.at(2).toInt(&ok);
        if (ok && parts.size() == 4)
            r.baudrate = parts.at(3).toInt(&ok);
    } else {
        return r;
    }
    r.valid = ok;
    return r;
}

void connectUnit(TabWidget &tabs, const ConnectRequest &r)
{
    // The dialog fills both unit numbers; the controller checks both.
    tabs.onAddUnitClicked(
        r.unit, r.port, r.baudrate, r.parity, r.unit, r.ipAddress, r.interfaceName, 1, QString());
}

void openFiles(TabWidget &tabs, const QStringList &paths)
{
    for (const QString &path : paths) {
        // A recording goes to the oscilloscope; anything else is taken for a parameter set file,
        // whose reader says so when it is not one.
        if (path.endsWith(QLatin1String(".rec"), Qt::CaseInsensitive)) {
            tabs.setCurrentIndex(TabWidget::OscilloscopeTab);
            tabs.oscilloscope()->loadRecording(path);
        } else {
            tabs.setCurrentIndex(TabWidget::ParametersTab);
            tabs.parameters()->openFile(path);
        }
    }
}

void screenshotWhenSettled(VXMainWindow &window, const QString &path, int timeoutMs)
{
    auto *timer = new QTimer(&window);
    auto clock = std::make_shared<QElapsedTimer>();
    auto settledTicks = std::make_shared<int>(0);
    clock->start();
    timer->setInterval(200);
    QObject::connect(
        timer, &QTimer::timeout, &window, [&window, path, timeoutMs, timer, clock, settledTicks] {
            TabWidget *tabs = window.tabController();
            const bool busy = tabs
                && (!tabs->registry().pending().isEmpty() || tabs->transfer()->isOpen()
                    || tabs->registry().total() == 0);
            // Three quiet ticks in a row, so the views have drawn what the last signals brought.
            *settledTicks = busy ? 0 : *settledTicks + 1;
            if (*settledTicks < 3 && clock->elapsed() < timeoutMs)
                return;
            timer->stop();
            if (!*settledTicks)
                std::fprintf(stderr, "tarvolink: screenshot taken before the window settled\n");
            // Without a window manager a maximised window keeps its first size: give it the
            // screen's, and open the first menus so the values read are in the picture.
            const QSize screen
                = window.screen() ? window.screen()->availableGeometry().size() : QSize(1280, 800);
            if (window.size() != screen) {
                window.setWindowState(Qt::WindowNoState);
                window.resize(screen);
            }
            if (tabs)
                tabs->parametersView()->expandToDepth(0);
            QCoreApplication::processEvents();
            const bool saved = window.grab().save(path);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    timer->start();
}

void screenshotOscilloscope(VXMainWindow &window, const QString &path, int timeoutMs)
{
    auto *timer = new QTimer(&window);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(200);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, path, timeoutMs, timer, clock] {
        TabWidget *tabs = window.tabController();
        const bool ready = tabs && tabs->registry().pending().isEmpty() && tabs->registry().total() > 0;
        if (!ready && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        // A small screen (150 % on 1366 x 768) keeps the window as it opened.
        if (window.width() < 1280 && window.screen()->availableGeometry().width() >= 1280) {
            window.setWindowState(Qt::WindowNoState);
            window.resize(1280, 800);
        }
        OscilloscopeWidget *view = tabs ? tabs->oscilloscope() : nullptr;
        OscUnitDev *device = tabs ? tabs->oscDeviceKeeper()->recording().devices().value(0) : nullptr;
        if (!view || !device) {
            std::fprintf(stderr, "tarvolink: no unit for the oscilloscope picture\n");
            QCoreApplication::exit(1);
            return;
        }
        tabs->setCurrentIndex(TabWidget::OscilloscopeTab);
        // Speed and current, and the first four digital inputs of the simulated drive.
        for (int entry : { 0, 2, 8, 9, 10, 11 })
            view->selectEntry(device, entry, true);
        view->samplingTimeEdit()->setText(QStringLiteral("100"));
        view->vxUISlotTimeEntered();
        view->vxUISlotZoomBarMoved(2); // 16 s shown
        view->vxUISlotRcrdBtnClicked();
        // A trigger set while the recording runs: the light says it waits for the next Start.
        TriggerSetup trigger;
        trigger.kind = TriggerSetup::Level;
        view->setTrigger(device, trigger);
        view->vxUISlotChangeTriggerstatus(OscControlBar::Configured);
        QTimer::singleShot(11000, &window, [&window, view, path] {
            view->plots()->setMarker(0, 2.5);
            view->plots()->setMarker(1, 7.0);
            view->plots()->replot();
            QTimer::singleShot(
                400, &window, [&window, path] { QCoreApplication::exit(window.grab().save(path) ? 0 : 1); });
        });
    });
    timer->start();
}

void screenshotLinkMonitor(VXMainWindow &window, const QString &path, int recordMs)
{
    window.action(VXMainWindow::LinkMonitorAct)->trigger(); // listening before the unit is linked
    auto *timer = new QTimer(&window);
    timer->setInterval(200);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, path, recordMs, timer] {
        TabWidget *tabs = window.tabController();
        if (!tabs || !tabs->registry().pending().isEmpty() || tabs->registry().total() == 0)
            return;
        timer->stop();
        OscUnitDev *device = tabs->oscDeviceKeeper()->recording().devices().value(0);
        if (device) {
            tabs->setCurrentIndex(TabWidget::OscilloscopeTab);
            for (int entry : { 0, 2 })
                tabs->oscilloscope()->selectEntry(device, entry, true);
            tabs->oscilloscope()->vxUISlotRcrdBtnClicked();
        }
        QTimer::singleShot(recordMs, &window, [&window, path] {
            LinkMonitorWindow *monitor = window.linkMonitor();
            monitor->setWindowState(Qt::WindowNoState);
            monitor->move(0, 0);
            monitor->resize(monitor->screen()->availableGeometry().size());
            monitor->drain();
            monitor->showLastFailure();
            QCoreApplication::processEvents();
            QCoreApplication::exit(monitor->grab().save(path) ? 0 : 1);
        });
    });
    timer->start();
}

void screenshotDialog(VXMainWindow &window, const QString &path, const QString &scene, int timeoutMs)
{
    auto *timer = new QTimer(&window);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(200);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, path, scene, timeoutMs, timer, clock] {
        TabWidget *tabs = window.tabController();
        const bool ready = tabs && tabs->registry().pending().isEmpty() && tabs->registry().total() > 0;
        if (!ready && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        QWidget *dialog = nullptr;
        if (scene == QLatin1String("compare")) {
            tabs->vxUISlotShowComparePrmScreen();
            dialog = window.findChild<CompareParameters *>();
        } else {
            tabs->setCurrentIndex(TabWidget::OscilloscopeTab);
            dialog = tabs->oscilloscope()->conditionalTrigger();
            tabs->oscilloscope()->conditionalTrigger()->show();
        }
        if (!dialog) {
            std::fprintf(stderr, "tarvolink: no dialog for the picture\n");
            QCoreApplication::exit(1);
            return;
        }
        // The whole screen with the dialog where it opened, as the user sees it.
        QTimer::singleShot(600, &window, [dialog, path] {
            QScreen *screen = dialog->screen();
            const bool saved = screen && screen->grabWindow(0).save(path);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    timer->start();
}

} // namespace StartOptions
