#pragma once

#include "datfile.h"
#include "treemodel.h"

#include <QBuffer>
#include <QByteArray>
#include <QTextStream>

// What a fuzzer read into a model, written as a parameter set file again (header and parameter
// lines, UTF-8) into a buffer left open for reading.
inline void writeBack(const TreeModel &model, QBuffer &out)
{
    out.open(QIODevice::WriteOnly);
    QTextStream stream(&out);
    stream.setCodec("UTF-8");
    DatFile::writeHeader(stream, {}, model.customerData());
    DatFile::writeParameterLines(stream, model);
    stream.flush();
    out.close();
    out.open(QIODevice::ReadOnly);
}
