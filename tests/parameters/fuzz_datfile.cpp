// libFuzzer target for a parameter set file (".dat") from outside: the whole-file check, the
// header reader and the value reader, over the model of the test device description file. What
// the check lets through must open into the model and write out again.

#include "datfile.h"
#include "treemodel.h"

#include <QBuffer>
#include <QTextStream>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::unique_ptr<TreeModel> pristine = std::make_unique<TreeModel>(
        QStringLiteral(TARVOLINK_FUZZ_DEVICE_FILE), 0, QStringLiteral("12,5"), QStringLiteral("5500"), true);
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    TreeModel model(
        QStringLiteral(TARVOLINK_FUZZ_DEVICE_FILE), 0, QStringLiteral("12,5"), QStringLiteral("5500"), true);

    QBuffer header(&bytes);
    header.open(QIODevice::ReadOnly);
    DatFile::readHeader(header, QStringLiteral("/nonexistent-tarvolink-fuzz"));
    QBuffer checked(&bytes);
    checked.open(QIODevice::ReadOnly);
    const DatFile::Check check = DatFile::check(checked, model);
    if (!check.ok && check.message.isEmpty())
        __builtin_trap(); // a refusal always says why
    QBuffer values(&bytes);
    values.open(QIODevice::ReadOnly);
    DatFile::openParameters(
        values, model, (size & 1) ? DatFile::ChangeMarks::MarkDifferences : DatFile::ChangeMarks::Clear);
    for (const TreeModel::ReadEntry &entry : model.readList())
        model.registerWords(entry.item, entry.set);

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    QTextStream stream(&out);
    stream.setCodec("UTF-8");
    DatFile::writeHeader(stream, {}, model.customerData());
    DatFile::writeParameterLines(stream, model);
    stream.flush();
    out.close();
    out.open(QIODevice::ReadOnly);
    // A file this program wrote from an accepted file passes the check itself.
    if (check.ok && !DatFile::check(out, *pristine).ok)
        __builtin_trap();
    return 0;
}
