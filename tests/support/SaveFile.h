// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UnitBattler.h"

#include <QByteArray>
#include <QString>

// The save file in the working folder, read and written as raw bytes, and the
// reports the game gives about it, as UTF-8.

inline const char *const ReadFailureText = "（save.datの読み込みに失敗しました。）";
inline const char *const BadContentText = "（save.datの内容が不適切です。）";
inline const char *const WriteFailureText = "（save.datの書き込みに失敗しました。）";

// The bytes of save.dat; empty when it cannot be read.
QByteArray SaveFileBytes();
// Replaces save.dat, or the file at Path, with Bytes; false when that could
// not be done in full.
bool WriteSaveFile(const QByteArray &Bytes, const QString &Path = QStringLiteral("save.dat"));
// The 100 bytes a save file holds for Record.
QByteArray RecordBytes(const TBattler &Record);
// Whether two records agree in every byte, hidden name bytes and padding included.
bool SameBytes(const TBattler &A, const TBattler &B);

// Sets or clears the immutable flag, which holds even for root (who may
// write to a file of mode 0444).
bool SetImmutable(const QString &Path, bool On);
