#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace testsupport {

struct SampleMetafile
{
    QString name;
    QByteArray data;
};

// Small valid pictures that together use most record kinds; the fuzzers
// start from them.
QVector<SampleMetafile> wmfSamples();
QVector<SampleMetafile> emfSamples();

} // namespace testsupport
