#include "DatWaves.h"
#include <QDir>
#include <QFile>
// FIXME: placeholder until the generator is written.
bool WriteWaveFiles(const QString &Dir)
{
    for (const char *n : {"04b.wav","up.wav","eat.wav","popon.wav","roar.wav","break.wav","weak.wav","dun.wav","suka.wav","duty.wav","thathatha.wav","turn.wav","zurl.wav"}) {
        QFile f(QDir(Dir).filePath(QString::fromLatin1(n))); if (!f.open(QIODevice::WriteOnly)) return false;
    }
    return true;
}
