// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveFile.h"

#include "UnitSaveLoad.h"

#include <QFile>
#include <QProcess>

#include <cstring>

QByteArray SaveFileBytes()
{
    QFile file("save.dat");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteSaveFile(const QByteArray &Bytes, const QString &Path)
{
    QFile file(Path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(Bytes) == Bytes.size();
}

QByteArray RecordBytes(const TBattler &Record)
{
    const TRecordImage image = RecordImage(Record);
    return QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
}

bool SameBytes(const TBattler &A, const TBattler &B)
{
    return std::memcmp(&A, &B, sizeof A) == 0;
}

bool SetImmutable(const QString &Path, bool On)
{
    return QProcess::execute("chattr", {On ? "+i" : "-i", Path}) == 0;
}
