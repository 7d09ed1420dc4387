// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveFile.h"
#include "UnitSaveLoad.h"
#include "WorkingFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <utility>

// Save files an earlier build of the game wrote, each with its record written
// out beside it (golden/NAME.txt). Every build must load each to exactly that
// record and save it again to the same 100 bytes: a change to the layout or
// to the check code's seeds, factors or key would otherwise refuse every
// player's save while every round trip through today's code passes.

namespace {

QByteArray FileBytes(const QString &Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The record as its text file gives it, every byte of it, without the
// comment lines.
QByteArray Described(const TBattler &Record)
{
    QByteArray text;
    auto line = [&](const char *Key, const QByteArray &Value) {
        text += QByteArray(Key) + ' ' + Value + '\n';
    };
    auto hex = [](const void *Bytes, qsizetype Size) {
        return QByteArray(static_cast<const char *>(Bytes), Size).toHex(' ');
    };
    line("name.length", QByteArray::number(Record.Name.Length));
    line("name.bytes", hex(Record.Name.Chars, sizeof Record.Name.Chars));
    line("name.text", FromSjis(Record.Name.Str()).toUtf8());
    line("pad1", hex(Record.Pad1, sizeof Record.Pad1));
    const std::pair<const char *, int32_t> ints[] = {
        {"hp", Record.HP},
        {"maxhp", Record.MaxHP},
        {"hit", Record.Hit},
        {"predict", Record.Predict},
        {"evade", Record.Evade},
        {"flash", Record.Flash},
        {"reason", Record.Reason},
        {"basehit", Record.BaseHit},
        {"basepredict", Record.BasePredict},
        {"baseevade", Record.BaseEvade},
        {"baseflash", Record.BaseFlash},
        {"basereason", Record.BaseReason},
        {"bossindex", Record.BossIndex},
    };
    for (const auto &[key, value] : ints)
        line(key, QByteArray::number(value));
    line("checkcode.length", QByteArray::number(Record.CheckCode.Length));
    line("checkcode.text", QByteArray::fromStdString(Record.CheckCode.Str()));
    line("pad2", hex(Record.Pad2, sizeof Record.Pad2));
    return text;
}

TEST(GoldenSaveTest, EarlierSavesLoadToTheirRecordsAndSaveToTheSameBytes)
{
    TWorkingFolder folder(false);
    ASSERT_TRUE(folder.Ready());
    for (const char *name : {"fresh", "boss-name", "ending-a", "edges"}) {
        SCOPED_TRACE(name);
        const QString base = QStringLiteral(VANTIK_GOLDEN_DIR "/") + name;
        const QByteArray golden = FileBytes(base + ".dat");
        QByteArray expected;
        for (const QByteArray &line : FileBytes(base + ".txt").split('\n'))
            if (!line.isEmpty() && !line.startsWith('#'))
                expected += line + '\n';
        ASSERT_EQ(golden.size(), 100) << "missing: " << base.toStdString() << ".dat";

        ASSERT_TRUE(WriteSaveFile(golden));
        TBattler loaded{};
        ASSERT_EQ(LoadGame(loaded, ApplicationTitle), TLoadResult::Loaded);
        EXPECT_EQ(Described(loaded).toStdString(), expected.toStdString());

        ASSERT_TRUE(QFile::remove("save.dat"));
        ASSERT_TRUE(SaveGame(loaded, ApplicationTitle));
        EXPECT_EQ(SaveFileBytes().toHex(' '), golden.toHex(' ')) << "saved to other bytes";
    }
}

} // namespace
