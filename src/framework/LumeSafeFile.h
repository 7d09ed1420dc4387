// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Small files kept across runs, read and replaced so that neither a strange
// file nor a crash can hurt: a read never waits, and a replacement leaves
// the old content or the new one, whole.

// Up to MaxSize bytes from the start of Path, which must be a regular file
// (after links) that may be opened for reading and writing. Anything else,
// a FIFO or a device included, is refused without a read: empty.
QByteArray ReadRegularFile(const QString &Path, qint64 MaxSize);

// Opens Path for reading into File when it is a regular file (after links),
// without waiting on a FIFO or taking a terminal; false for anything else,
// File then closed.
bool OpenRegularFile(const QString &Path, QFile &File);

// Puts Data in place of the file at Path, or of the file Path links to (the
// link stays a link). The data go to a temporary file in the same folder,
// reach the disk and take the old file's place in one step; a folder that
// takes no new file has the old file overwritten where it stands, its old
// bytes put back should that fail. False when Data did not get there; the
// old file is then as it was. An existing file that cannot be opened for
// writing is never replaced.
bool ReplaceFileSafely(const QString &Path, const QByteArray &Data);
