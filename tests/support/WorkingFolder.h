// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// An empty temporary folder made the working folder for as long as it exists,
// optionally with a link to the generated dat/ folder, as the program finds
// it beside itself. The old working folder comes back at the end.
class TWorkingFolder {
public:
    explicit TWorkingFolder(bool WithDat);
    ~TWorkingFolder();
    TWorkingFolder(const TWorkingFolder &) = delete;
    TWorkingFolder &operator=(const TWorkingFolder &) = delete;

    // Whether the folder was made, linked and entered; each step that failed
    // has been reported as a test failure.
    bool Ready() const { return Entered; }
    QString Path() const { return Dir.path(); }

private:
    QTemporaryDir Dir;
    QString Old;
    bool Entered = false;
};

// Links the generated dat/ folder into Folder; reports a failure and answers
// false when that cannot be done.
bool LinkDat(const QString &Folder);
