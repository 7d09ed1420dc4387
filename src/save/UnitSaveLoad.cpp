#include "UnitSaveLoad.h"

#include "MyConsole.h"
#include "UnitForm.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <fcntl.h>
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

// Makes the rename itself durable, not only the file's bytes.
void SyncFolderOf(const char *FileName)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(FileName).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
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
    // The record goes to a temporary file beside the old one, reaches the
    // disk and then replaces it in one rename: a crash mid-save leaves the
    // old record or the new one, never a torn file.
    const TRecordImage image = RecordImage(Record);
    QSaveFile file(SaveFileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = qint64(image.size());
    if (file.write(reinterpret_cast<const char *>(image.data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    SyncFolderOf(SaveFileName);
    return true;
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
