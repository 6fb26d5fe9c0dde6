// libFuzzer target for the parameter table of a device description file from outside and the
// value conversions the loaded rows drive (the parameter set file readers have fuzz_datfile).
// The first byte chooses language, codec and empty values; the rest is the file.

#include "dependencytable.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QBuffer>
#include <QTextCodec>
#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const quint8 flags = data[0];
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));

    ParameterTableLoader::Options options;
    options.language = flags & 0x0F;
    options.emptyValues = flags & 0x10;
    options.nominalCurrent = QStringLiteral("12,5");
    options.nominalPower = QStringLiteral("5500");
    options.deviceFileName
        = (flags & 0x40) ? QStringLiteral("C:\\x\\ZNPV1.00.csv") : QStringLiteral("V1.00.csv");

    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    QTextStream in(&source);
    in.setCodec((flags & 0x20) ? "UTF-8" : "Windows-1252");
    TreeModel model(in, options);

    // Everything the views and the worker do with a loaded model.
    const QVector<TreeItem *> items = model.allItems();
    int n = 0;
    for (TreeItem *item : items) {
        const QModelIndex index = model.indexOf(item, 4 + n % 4);
        model.flags(index);
        model.data(index, Qt::DisplayRole);
        model.data(index, Qt::ForegroundRole);
        model.parent(index);
        model.limits(item, n % 4);
        if (++n > 200)
            break;
    }
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        const QVector<quint16> words = model.registerWords(entry.item, entry.set);
        QVector<quint16> fromBytes(entry.count);
        for (int i = 0; i < entry.count; ++i)
            fromBytes[i] = quint16(
                bytes.size() > i * 2 + 1 ? (quint8(bytes[i * 2]) << 8) | quint8(bytes[i * 2 + 1]) : i);
        model.storeRegisters(entry.item, entry.set, words.isEmpty() ? fromBytes : words);
    }
    const QString typed = QString::fromLatin1(bytes.left(12));
    for (TreeItem *item : model.DepPrmItemList()) {
        if (item) {
            model.setData(model.indexOf(item, 4), typed);
            model.setData(model.indexOf(item, 5), typed);
        }
    }
    model.GetEditableParameters();
    return 0;
}
