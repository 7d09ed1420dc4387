// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeSettings.h"

#include "LumeSafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

constexpr qint64 MostBytes = 64 * 1024;

QList<QByteArray> ReadLines(const QString &Path)
{
    QFile file;
    if (Path.isEmpty() || !OpenRegularFile(Path, file))
        return {};
    QList<QByteArray> lines = file.read(MostBytes).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The key of a "key=value" line, or nothing for any other line.
QByteArray KeyOf(const QByteArray &Line)
{
    const qsizetype equals = Line.indexOf('=');
    return equals > 0 ? Line.left(equals).trimmed() : QByteArray();
}

QByteArray Header(const QByteArray &Section)
{
    return '[' + Section + ']';
}

} // namespace

QByteArray ReadSetting(const QString &Path, const QByteArray &Section, const QByteArray &Key)
{
    bool inSection = false;
    for (const QByteArray &raw : ReadLines(Path)) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inSection = line == Header(Section);
        else if (inSection && KeyOf(line) == Key)
            return line.mid(line.indexOf('=') + 1).trimmed();
    }
    return {};
}

void WriteSetting(const QString &Path, const QByteArray &Section, const QByteArray &Key,
                  const QByteArray &Value)
{
    if (Path.isEmpty())
        return;
    const QFileInfo info(Path);
    if (info.exists() && !info.isFile())
        return;
    QList<QByteArray> lines = ReadLines(Path);
    const QByteArray setting = Key + '=' + Value;
    // Replaced where it stands, else added at the end of its section, else
    // in a new section at the end.
    qsizetype sectionEnd = -1;
    bool inSection = false;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inSection = line == Header(Section);
            if (inSection)
                sectionEnd = i + 1;
        } else if (inSection) {
            if (KeyOf(line) == Key) {
                lines[i] = setting;
                written = true;
            } else if (!line.isEmpty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written && sectionEnd >= 0)
        lines.insert(sectionEnd, setting);
    else if (!written)
        lines << Header(Section) << setting;
    QDir().mkpath(info.absolutePath());
    ReplaceFileSafely(Path, lines.join('\n') + '\n');
}
