// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitSaveLoad.h"

#include "LumeSafeFile.h"
#include "MyConsole.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstddef>
#include <optional>

const char *const SaveFileName = "save.dat";

// Odd factors that are not multiples of 13 are units modulo 52, so every
// byte moves every accumulator; most are also primitive roots modulo 13,
// which keeps the weights of neighbouring bytes far apart.
const std::array<int32_t, 10> CheckSeeds{17, 42, 5, 33, 28, 11, 50, 2, 39, 24};
const std::array<int32_t, 10> CheckFactors{7, 33, 19, 41, 11, 45, 15, 37, 23, 17};

namespace {

// Joined after the key to make the ten-letter salt; never stored.
constexpr char SaltSuffix[] = "QUOR";

// The file's layout is the record's own, field by field.
constexpr size_t NameOffset = offsetof(TBattler, Name);
constexpr size_t NamePadOffset = offsetof(TBattler, Pad1);
constexpr size_t FirstIntOffset = offsetof(TBattler, HP);
constexpr size_t CodeOffset = offsetof(TBattler, CheckCode);
constexpr size_t CodePadOffset = offsetof(TBattler, Pad2);

template <int Capacity>
void PutShortString(TRecordImage &Image, size_t Offset, const TShortString<Capacity> &Text)
{
    Image[Offset] = Text.Length;
    std::copy_n(reinterpret_cast<const uint8_t *>(Text.Chars), Capacity, &Image[Offset + 1]);
}

template <int Capacity>
void GetShortString(const TRecordImage &Image, size_t Offset, TShortString<Capacity> &Text)
{
    Text.Length = Image[Offset];
    std::copy_n(&Image[Offset + 1], Capacity, reinterpret_cast<uint8_t *>(Text.Chars));
}

// The thirteen integers in record order, from HP to BossIndex.
template <typename TRecord> auto IntFields(TRecord &Record)
{
    return std::array{&Record.HP,          &Record.MaxHP,     &Record.Hit,       &Record.Predict,
                      &Record.Evade,       &Record.Flash,     &Record.Reason,    &Record.BaseHit,
                      &Record.BasePredict, &Record.BaseEvade, &Record.BaseFlash, &Record.BaseReason,
                      &Record.BossIndex};
}

// The stored length byte is compared as it stands, so a damaged length can
// neither pass nor lead the comparison past the field.
bool CodeMatches(const TBattler &Record, const TSjis &Key)
{
    const TSjis code = ComputeCheckCode(Record, Key);
    return Record.CheckCode.Length == code.size() && Record.CheckCode.Str() == code;
}

} // namespace

TRecordImage RecordImage(const TBattler &Record)
{
    TRecordImage image{};
    PutShortString(image, NameOffset, Record.Name);
    std::copy_n(Record.Pad1, sizeof Record.Pad1, &image[NamePadOffset]);
    size_t offset = FirstIntOffset;
    for (const int32_t *field : IntFields(Record)) {
        qToLittleEndian(*field, &image[offset]);
        offset += 4;
    }
    PutShortString(image, CodeOffset, Record.CheckCode);
    image[CodePadOffset] = Record.Pad2[0];
    return image;
}

TBattler RecordFromImage(const TRecordImage &Image)
{
    TBattler record{};
    GetShortString(Image, NameOffset, record.Name);
    std::copy_n(&Image[NamePadOffset], sizeof record.Pad1, record.Pad1);
    size_t offset = FirstIntOffset;
    for (int32_t *field : IntFields(record)) {
        *field = qFromLittleEndian<int32_t>(&Image[offset]);
        offset += 4;
    }
    GetShortString(Image, CodeOffset, record.CheckCode);
    record.Pad2[0] = Image[CodePadOffset];
    return record;
}

TSjis ComputeCheckCode(TBattler Record, const TSjis &Key)
{
    // The salt stands in the code field while summing, so whatever code the
    // record carried takes no part.
    const TSjis salt = Key + SaltSuffix;
    TRecordImage work = RecordImage(Record);
    const size_t saltLength = std::min<size_t>(salt.size(), 10);
    work[CodeOffset] = static_cast<uint8_t>(saltLength);
    std::copy_n(salt.begin(), saltLength, &work[CodeOffset + 1]);

    std::array<int32_t, 10> acc = CheckSeeds;
    for (const uint8_t b : work)
        for (size_t k = 0; k < acc.size(); ++k)
            acc[k] = (acc[k] * CheckFactors[k] + b) % 52;

    TSjis code;
    for (const int32_t value : acc)
        code += IntToAlf(value);
    return code;
}

void StampCheckCode(TBattler &Record, const TSjis &Key)
{
    Record.CheckCode.Set(ComputeCheckCode(Record, Key));
}

namespace {

// The record that save.dat was last loaded with or saved, as its bytes.
std::optional<TRecordImage> SavedRecord;

} // namespace

bool SaveGame(TBattler Record, const TSjis &Key)
{
    StampCheckCode(Record, Key);
    const TRecordImage image = RecordImage(Record);
    if (!ReplaceFileSafely(
            QString::fromLatin1(SaveFileName),
            QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()))))
        return false;
    SavedRecord = image;
    return true;
}

bool ProgressSinceSave(TBattler Record, const TSjis &Key)
{
    StampCheckCode(Record, Key);
    return !SavedRecord || RecordImage(Record) != *SavedRecord;
}

TLoadResult LoadGame(TBattler &Record, const TSjis &Key)
{
    const QString fileName = QString::fromLatin1(SaveFileName);
    if (!QFileInfo::exists(fileName))
        return TLoadResult::Missing;
    TRecordImage image{};
    const QByteArray bytes = ReadRegularFile(fileName, qint64(image.size()));
    if (bytes.size() != qsizetype(image.size()))
        return TLoadResult::Unreadable;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    Record = RecordFromImage(image);
    if (!CodeMatches(Record, Key))
        return TLoadResult::BadContent;
    SavedRecord = image;
    return TLoadResult::Loaded;
}

void ReportReadFailure()
{
    //: A message box at start-up: the save file (save.dat, a name to keep as it is) could not
    //: be read; the game starts anew.
    Alert(QCoreApplication::translate("Save", "（save.datの読み込みに失敗しました。）"));
}

void ReportBadContent()
{
    //: A message box at start-up: the save file (save.dat) is damaged or was changed by hand
    //: (its check code does not match); the game starts anew.
    Alert(QCoreApplication::translate("Save", "（save.datの内容が不適切です。）"));
}

void ReportWriteFailure()
{
    //: A message box: the game could not be saved to save.dat (a full disk, say); the last
    //: save is kept.
    Alert(QCoreApplication::translate("Save", "（save.datの書き込みに失敗しました。）"));
}
