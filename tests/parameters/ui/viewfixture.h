#pragma once

#include "apppaths.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QStringList>
#include <QVector>
#include <memory>

// The shipped device description file as a unit of size 1 on RS232, for the view tests.
namespace ViewFixture {

inline QString dataDir()
{
    return QStringLiteral(TARVOLINK_SOURCE_DIR "/data");
}

inline QString deviceFile()
{
    return dataDir() + QStringLiteral("/csv_file/RVNV2.05.csv");
}

inline QStringList unitEntry()
{
    QStringList e = QVector<QString>(21).toList();
    e[0] = QStringLiteral("1");
    e[1] = QStringLiteral("RVN48-003 (1)");
    e[2] = QStringLiteral("connect");
    e[3] = QStringLiteral("RS232");
    e[4] = QStringLiteral("ttyS0");
    e[5] = QStringLiteral("19200");
    e[6] = QStringLiteral("None");
    e[8] = deviceFile();
    e[9] = QStringLiteral("2,5");
    e[10] = QStringLiteral("0.75");
    e[11] = QStringLiteral("V2.05");
    return e;
}

inline std::unique_ptr<TreeModel> unitModel()
{
    return std::make_unique<TreeModel>(deviceFile(), 0, QStringLiteral("2,5"), QStringLiteral("0.75"), false);
}

inline QModelIndex cell(const TreeModel &model, const QString &menu, int column)
{
    return model.indexOf(model.findItem(menu), column);
}

inline QString shown(const TreeModel &model, const QString &menu, int set)
{
    return model.findItem(menu)->text(TreeItem::SetAColumn + set);
}

} // namespace ViewFixture
