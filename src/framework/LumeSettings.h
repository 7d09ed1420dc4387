// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A small settings file of "[section]" lines and "key=value" lines. It is
// read without waiting, so a FIFO or a folder in its place reads as empty,
// and written whole through a safe replacement; a path that is not a
// regular file is left alone, so the setting then holds for this session.

// The value of Key in Section, trimmed; empty when there is none.
QByteArray ReadSetting(const QString &Path, const QByteArray &Section, const QByteArray &Key);
// Sets Key in Section, keeping every other line of the file.
void WriteSetting(const QString &Path, const QByteArray &Section, const QByteArray &Key,
                  const QByteArray &Value);
