#pragma once

#include "parametertableloader.h"
#include "treemodel.h"

#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <QVector>
#include <memory>

// Builds small parameter tables for the tests: definition rows with the fields a test cares
// about, language rows, and a model loaded from the text; and the model of the test drive.
namespace ParameterRows {

// A definition row of 26 fields (27 when field 26 is given).
inline QString definition(
    const QString &menu, int level, const QString &type, const QMap<int, QString> &fields = {})
{
    QStringList row = QVector<QString>(26).toList();
    row[0] = QStringLiteral("P");
    row[1] = menu;
    row[2] = QString::number(level);
    row[3] = type;
    row[4] = QStringLiteral("1");
    row[5] = QStringLiteral("x");
    row[19] = QStringLiteral("U_Int");
    row[25] = QStringLiteral("N");
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        while (row.size() <= it.key())
            row.append(QString());
        row[it.key()] = it.value();
    }
    return row.join(QLatin1Char(';'));
}

inline QString language(const QString &key, const QString &text, const QStringList &valueTexts = {})
{
    QStringList row { QLatin1Char('*') + key, text };
    row += valueTexts;
    return row.join(QLatin1Char(';'));
}

inline QString table(const QStringList &records, bool endMarker = true)
{
    QString text = QStringLiteral("[PARAMETER SETS];;;\nheading;;;\n") + records.join(QLatin1Char('\n'))
        + QLatin1Char('\n');
    if (endMarker)
        text += QStringLiteral("[PARAMETER SETS]END;;;\n[TRIP MESSAGES];;;\n");
    return text;
}

inline std::unique_ptr<TreeModel> model(const QString &text, ParameterTableLoader::Options options = {})
{
    QString copy = text;
    QTextStream in(&copy, QIODevice::ReadOnly);
    return std::make_unique<TreeModel>(in, options);
}

// The test drive's device description file, and its model as a unit of 12,5 A and 5500 W holds it.
inline QString fixturePath()
{
    return QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/parameters/data/TSTV1.00.csv");
}

inline std::unique_ptr<TreeModel> fixture()
{
    return std::make_unique<TreeModel>(
        fixturePath(), 0, QStringLiteral("12,5"), QStringLiteral("5500"), false);
}

} // namespace ParameterRows
