// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveFile.h"
#include "UnitSaveLoad.h"
#include "WorkingFolder.h"

#include <QByteArray>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

// Save files an earlier build of the game wrote, each with its record written
// out beside it (golden/NAME.txt). Every build must load each to exactly that
// record and save the record again to the same 100 bytes: a change to the
// layout or to the check code's seeds, factors or key would otherwise refuse
// every player's save while every round trip through today's code passes.

namespace {

QByteArray FileBytes(const QString &Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "key value" lines; '#' starts a comment line.
QMap<QByteArray, QByteArray> Fields(const QByteArray &Text)
{
    QMap<QByteArray, QByteArray> fields;
    for (const QByteArray &line : Text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype space = line.indexOf(' ');
        fields.insert(line.left(space), space < 0 ? QByteArray() : line.mid(space + 1));
    }
    return fields;
}

// Hex bytes, separated by spaces, into exactly Size bytes at Into; false
// when the text holds another count.
bool PutHex(const QByteArray &Hex, void *Into, size_t Size)
{
    const QByteArray bytes = QByteArray::fromHex(Hex);
    if (bytes.size() != qsizetype(Size) || Hex.simplified().split(' ').size() != qsizetype(Size))
        return false;
    std::memcpy(Into, bytes.constData(), Size);
    return true;
}

// The record the text describes; a field missing or malformed fails the test.
TBattler RecordFromText(const QMap<QByteArray, QByteArray> &Fields)
{
    TBattler record{};
    auto number = [&](const char *Key) {
        bool ok = false;
        const int value = Fields.value(Key).toInt(&ok);
        EXPECT_TRUE(ok) << "no number for " << Key;
        return value;
    };
    record.Name.Length = static_cast<uint8_t>(number("name.length"));
    EXPECT_TRUE(PutHex(Fields.value("name.bytes"), record.Name.Chars, sizeof record.Name.Chars));
    EXPECT_TRUE(PutHex(Fields.value("pad1"), record.Pad1, sizeof record.Pad1));
    const std::pair<const char *, int32_t TBattler::*> ints[] = {
        {"hp", &TBattler::HP},
        {"maxhp", &TBattler::MaxHP},
        {"hit", &TBattler::Hit},
        {"predict", &TBattler::Predict},
        {"evade", &TBattler::Evade},
        {"flash", &TBattler::Flash},
        {"reason", &TBattler::Reason},
        {"basehit", &TBattler::BaseHit},
        {"basepredict", &TBattler::BasePredict},
        {"baseevade", &TBattler::BaseEvade},
        {"baseflash", &TBattler::BaseFlash},
        {"basereason", &TBattler::BaseReason},
        {"bossindex", &TBattler::BossIndex},
    };
    for (const auto &[key, field] : ints)
        record.*field = number(key);
    record.CheckCode.Length = static_cast<uint8_t>(number("checkcode.length"));
    const QByteArray code = Fields.value("checkcode.text");
    EXPECT_EQ(code.size(), qsizetype(sizeof record.CheckCode.Chars));
    std::memcpy(record.CheckCode.Chars, code.constData(),
                std::min(size_t(code.size()), sizeof record.CheckCode.Chars));
    EXPECT_TRUE(PutHex(Fields.value("pad2"), record.Pad2, sizeof record.Pad2));
    return record;
}

TEST(GoldenSaveTest, EarlierSavesLoadToTheirRecordsAndSaveToTheSameBytes)
{
    TWorkingFolder folder(false);
    ASSERT_TRUE(folder.Ready());
    for (const char *name : {"fresh", "boss-name", "ending-a", "edges"}) {
        SCOPED_TRACE(name);
        const QString base = QStringLiteral(VANTIK_GOLDEN_DIR "/") + name;
        const QByteArray golden = FileBytes(base + ".dat");
        const QMap<QByteArray, QByteArray> fields = Fields(FileBytes(base + ".txt"));
        ASSERT_EQ(golden.size(), 100) << "missing: " << base.toStdString() << ".dat";
        ASSERT_FALSE(fields.isEmpty()) << "missing: " << base.toStdString() << ".txt";
        const TBattler expected = RecordFromText(fields);
        // The name as the player saw it: Shift-JIS bytes in the record.
        EXPECT_EQ(FromSjis(expected.Name.Str()).toUtf8(), fields.value("name.text"));
        EXPECT_EQ(ComputeCheckCode(expected, ApplicationTitle), expected.CheckCode.Str());

        ASSERT_TRUE(WriteSaveFile(golden));
        TBattler loaded{};
        ASSERT_EQ(LoadGame(loaded, ApplicationTitle), TLoadResult::Loaded);
        EXPECT_TRUE(SameBytes(loaded, expected)) << "loaded to another record";

        ASSERT_TRUE(QFile::remove("save.dat"));
        ASSERT_TRUE(SaveGame(loaded, ApplicationTitle));
        EXPECT_EQ(SaveFileBytes().toHex(' '), golden.toHex(' ')) << "saved to other bytes";
    }
}

} // namespace
