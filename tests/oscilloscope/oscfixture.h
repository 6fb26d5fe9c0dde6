#pragma once

#include "oscunitdev.h"
#include "simpeer.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <memory>

// An installation folder with the shipped KTZ V1.10 device description file (14 signals in
// four blocks), devices made on it with a clock the test moves, and cycle bytes built by hand.
struct OscFixture
{
    static constexpr int Signals = 14;
    // Signal positions in the KTZ catalogue.
    enum { Speed = 0, Current = 2, OutputVoltage = 3, DigIn = 8, TripMessage = 10 };

    QTemporaryDir dir;
    QDateTime clock = QDateTime(QDate(2026, 3, 1), QTime(23, 59, 58, 500));

    bool install(const TestInstallation::Edit &edit = TestInstallation::Edit());
    // The unit entry of KTZ23-2P5 number `unit` on `iface`.
    QStringList entry(const QString &iface = QStringLiteral("RS232"), int unit = 1) const;
    std::unique_ptr<OscUnitDev> device(int runningNumber = 1);
    // The cycle bytes: every word `fill`, then the listed signal words.
    static QByteArray words(quint16 fill, const QList<QPair<int, quint16>> &set = {});
};
