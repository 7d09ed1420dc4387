// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkingFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

bool LinkDat(const QString &Folder)
{
    const bool linked = QFile::link(QStringLiteral(VANTIK_DAT_DIR), QDir(Folder).filePath("dat"));
    EXPECT_TRUE(linked) << "cannot link dat/ into " << Folder.toStdString();
    return linked;
}

TWorkingFolder::TWorkingFolder(bool WithDat) : Old(QDir::currentPath())
{
    EXPECT_TRUE(Dir.isValid());
    const bool linked = !WithDat || LinkDat(Dir.path());
    const bool entered = QDir::setCurrent(Dir.path());
    EXPECT_TRUE(entered);
    Entered = Dir.isValid() && linked && entered;
}

TWorkingFolder::~TWorkingFolder()
{
    QDir::setCurrent(Old);
}
