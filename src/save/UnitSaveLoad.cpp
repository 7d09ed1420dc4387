// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitSaveLoad.h"

#include "MyConsole.h"
#include "UnitForm.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const TSjis ApplicationTitle = "VANTIK";
const char *const SaveFileName = "save.dat";

// Odd factors that are not multiples of 13 are units modulo 52, so every
// byte moves every accumulator; most are also primitive roots modulo 13,
// which keeps the weights of neighbouring bytes far apart.
const std::array<int32_t, 10> CheckSeeds{17, 42, 5, 33, 28, 11, 50, 2, 39, 24};
const std::array<int32_t, 10> CheckFactors{7, 33, 19, 41, 11, 45, 15, 37, 23, 17};

namespace {

// Joined after the key to make the ten-letter salt; never stored.
constexpr char SaltSuffix[] = "QUOR";

constexpr size_t NameOffset = 0;
constexpr size_t NamePadOffset = 33;
constexpr size_t FirstIntOffset = 36;
constexpr size_t CodeOffset = 88;
constexpr size_t CodePadOffset = 99;

void PutInt32(TRecordImage &Image, size_t Offset, int32_t Value)
{
    const auto u = static_cast<uint32_t>(Value);
    for (size_t i = 0; i < 4; ++i)
        Image[Offset + i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t GetInt32(const TRecordImage &Image, size_t Offset)
{
    uint32_t u = 0;
    for (size_t i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(Image[Offset + i]) << (8 * i);
    return static_cast<int32_t>(u);
}

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

// Reports reach the player through the window's deferred calls, so a
// refusal found while the window is still being built shows once the loop
// runs. Without a window there is no one to tell.
void PostReport(TProcedure Report)
{
    if (FormMain)
        FormMain->PostDeferred(Report);
}

// An existing save file that cannot be opened for writing keeps its content:
// the replacement below would otherwise rename over a file the player has
// made read-only.
bool ExistingSaveWritable()
{
    if (!QFileInfo::exists(SaveFileName))
        return true;
    QFile existing(SaveFileName);
    return existing.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}

// Saving talks to the operating system directly rather than through
// QSaveFile: QSaveFile buffers the write and, in the Qt this game builds
// with, renames the temporary file over the old save even when that write
// failed, which turned a full disk into an empty save file. Every call below
// is checked, and a signal's interruption is retried.
template <typename TCall> auto Retried(TCall Call)
{
    for (;;) {
        const auto result = Call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

// Closes a descriptor of ours. After a close interrupted by a signal the
// descriptor is gone all the same on Linux, so it is never closed twice.
bool CloseFile(int Fd)
{
    return ::close(Fd) == 0 || errno == EINTR;
}

// Moves all Size bytes through Transfer(done, offset), a pread or pwrite
// that may move fewer bytes than asked.
template <typename TTransfer> bool TransferAll(TTransfer Transfer, size_t Size, off_t Offset)
{
    size_t done = 0;
    while (done < Size) {
        const ssize_t moved = Retried([&] { return Transfer(done, Offset + off_t(done)); });
        if (moved <= 0)
            return false;
        done += static_cast<size_t>(moved);
    }
    return true;
}

bool WriteAllAt(int Fd, const uint8_t *Data, size_t Size, off_t Offset)
{
    return TransferAll(
        [&](size_t Done, off_t At) { return ::pwrite(Fd, Data + Done, Size - Done, At); }, Size,
        Offset);
}

bool ReadAllAt(int Fd, uint8_t *Data, size_t Size, off_t Offset)
{
    return TransferAll(
        [&](size_t Done, off_t At) { return ::pread(Fd, Data + Done, Size - Done, At); }, Size,
        Offset);
}

bool SyncFile(int Fd)
{
    return Retried([&] { return ::fsync(Fd); }) == 0;
}

// Makes the rename itself durable, not only the file's bytes.
bool SyncFolderOf(const QByteArray &FileName)
{
    const QByteArray folder =
        QFile::encodeName(QFileInfo(QFile::decodeName(FileName)).absolutePath());
    const int fd =
        Retried([&] { return ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0)
        return false;
    const bool synced = SyncFile(fd);
    return CloseFile(fd) && synced;
}

// How writing the record beside the old save ended.
enum class TReplaceResult { Saved, Failed, FolderRefusesNewFiles };

// A temporary name beside the save file that no other file holds yet; the
// caller creates it exclusively.
QByteArray TemporaryNameFor(const QByteArray &FileName, unsigned Attempt)
{
    return FileName + ".tmp-" + QByteArray::number(::getpid()) + "-" + QByteArray::number(Attempt);
}

int CreateTemporary(const QByteArray &FileName, mode_t Mode, QByteArray &TemporaryName)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        TemporaryName = TemporaryNameFor(FileName, attempt);
        const int fd = Retried([&] {
            return ::open(TemporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
        });
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The record goes to a temporary file beside the old one, reaches the disk
// and then replaces it in one rename: a crash or a failure at any step leaves
// the old record or the new one, never a torn or empty file.
TReplaceResult ReplaceWithRecord(const QByteArray &FileName, const TRecordImage &Image)
{
    // The new file keeps the permissions the player gave the old one.
    struct stat old {};
    const mode_t mode = ::stat(FileName.constData(), &old) == 0 ? (old.st_mode & 07777) : 0666;
    QByteArray temporary;
    const int fd = CreateTemporary(FileName, mode, temporary);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? TReplaceResult::FolderRefusesNewFiles
                                                 : TReplaceResult::Failed;
    bool written = WriteAllAt(fd, Image.data(), Image.size(), 0) && SyncFile(fd);
    written = CloseFile(fd) && written;
    if (written && ::rename(temporary.constData(), FileName.constData()) == 0) {
        // The new record is in place and on disk; a folder that will not
        // sync can at worst lose the rename to a crash, which leaves the old
        // record, so the save still counts.
        SyncFolderOf(FileName);
        return TReplaceResult::Saved;
    }
    ::unlink(temporary.constData());
    return TReplaceResult::Failed;
}

// Overwrites the old record where it stands, for a folder that accepts no
// new file while the save file itself may be written. The old bytes are
// kept aside and put back should any step fail, and the new record counts
// only once it has been read back from the file.
bool WriteRecordInPlace(const QByteArray &FileName, const TRecordImage &Image)
{
    const int fd = Retried([&] { return ::open(FileName.constData(), O_RDWR | O_CLOEXEC); });
    if (fd < 0)
        return false;
    struct stat info {};
    TRecordImage old{};
    bool saved = ::fstat(fd, &info) == 0;
    const off_t oldSize = saved ? info.st_size : 0;
    const auto keptSize = static_cast<size_t>(std::min<off_t>(oldSize, off_t(old.size())));
    saved = saved && ReadAllAt(fd, old.data(), keptSize, 0);
    const bool oldKept = saved;
    saved = saved && WriteAllAt(fd, Image.data(), Image.size(), 0) && SyncFile(fd);
    TRecordImage check{};
    saved = saved && ReadAllAt(fd, check.data(), check.size(), 0) && check == Image;
    if (saved) {
        // A longer file keeps only the record, as a fresh save would.
        if (oldSize > off_t(Image.size()) && ::ftruncate(fd, off_t(Image.size())) == 0)
            SyncFile(fd);
    } else if (oldKept) {
        // The old bytes go back where they were, and a short file to its length.
        const bool restored = WriteAllAt(fd, old.data(), keptSize, 0) &&
                              (oldSize >= off_t(Image.size()) || ::ftruncate(fd, oldSize) == 0);
        if (restored)
            SyncFile(fd);
    }
    // The bytes were synced before; closing cannot take them back.
    CloseFile(fd);
    return saved;
}

// Reads the first record of the save file. Opening asks for write access
// too, so a file the game could not save over is refused here already.
bool ReadRecordImage(TRecordImage &Image)
{
    QFile file(SaveFileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    auto *data = reinterpret_cast<char *>(Image.data());
    qint64 done = 0;
    while (done < qint64(Image.size())) {
        const qint64 got = file.read(data + done, qint64(Image.size()) - done);
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
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
        PutInt32(image, offset, *field);
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
        *field = GetInt32(Image, offset);
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

bool SaveGame(TBattler Record, const TSjis &Key)
{
    StampCheckCode(Record, Key);
    if (!ExistingSaveWritable())
        return false;
    const TRecordImage image = RecordImage(Record);
    const QByteArray fileName(SaveFileName);
    switch (ReplaceWithRecord(fileName, image)) {
    case TReplaceResult::Saved:
        return true;
    case TReplaceResult::FolderRefusesNewFiles:
        return QFileInfo::exists(SaveFileName) && WriteRecordInPlace(fileName, image);
    case TReplaceResult::Failed:
        return false;
    }
    return false;
}

bool LoadGame(TBattler &Record, const TSjis &Key)
{
    if (!QFileInfo::exists(SaveFileName))
        return false;
    TRecordImage image{};
    if (!ReadRecordImage(image)) {
        PostReport(ReportReadFailure);
        return false;
    }
    Record = RecordFromImage(image);
    if (!CodeMatches(Record, Key)) {
        PostReport(ReportBadContent);
        return false;
    }
    return true;
}

void ReportReadFailure()
{
    Alert(ToSjis("（save.datの読み込みに失敗しました。）"));
}

void ReportBadContent()
{
    Alert(ToSjis("（save.datの内容が不適切です。）"));
}

void ReportWriteFailure()
{
    Alert(ToSjis("（save.datの書き込みに失敗しました。）"));
}
