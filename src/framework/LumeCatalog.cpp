// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeCatalog.h"

#include "LumeSafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QtEndian>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

// The layout is lrelease's, as QTranslator reads it: a magic, then blocks of
// a tag byte, a 32-bit big-endian length and that many bytes.

namespace {

constexpr std::array<uchar, 16> Magic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                         0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum TBlock : uchar {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96,
    Language = 0xa7,
};

// The parts of a message.
enum TTag : uchar {
    End = 1,
    Translation = 3,
    Obsolete = 5, // four bytes of nothing
    SourceText = 6,
    Context = 7,
    Comment = 8,
};
// A translation left empty has this length and no bytes.
constexpr quint32 NoTranslation = 0xffffffff;

// The plural rules' code: a condition is an operator byte and its operands,
// conditions are joined by the bytes below.
enum TRule : uchar {
    OperatorMask = 0x07,
    Between = 0x04, // the one operator with two operands
    BadOperator = 0x80,
    And = 0xfd,
    Or = 0xfe,
    NewRule = 0xff,
};

// Far above any catalog, so that a wrong file is not read whole.
constexpr qint64 MostBytes = 64 << 20;

quint16 Read16(QByteArrayView Bytes, qsizetype At)
{
    return qFromBigEndian<quint16>(Bytes.data() + At);
}

quint32 Read32(QByteArrayView Bytes, qsizetype At)
{
    return qFromBigEndian<quint32>(Bytes.data() + At);
}

QString BlockName(uchar Tag)
{
    switch (Tag) {
    case Contexts:
        return QStringLiteral("Contexts");
    case Hashes:
        return QStringLiteral("Hashes");
    case Messages:
        return QStringLiteral("Messages");
    case NumerusRules:
        return QStringLiteral("NumerusRules");
    case Dependencies:
        return QStringLiteral("Dependencies");
    case Language:
        return QStringLiteral("Language");
    }
    return QStringLiteral("0x%1").arg(uint(Tag), 2, 16, QLatin1Char('0'));
}

// Every message in turn, each a run of tagged parts ending in End, filling
// the block; Starts marks where each begins, for the hashes' offsets.
QString MessagesFault(QByteArrayView Block, std::vector<bool> &Starts)
{
    const qsizetype size = Block.size();
    Starts.assign(size_t(size), false);
    for (qsizetype at = 0; at < size;) {
        const qsizetype start = at;
        Starts[size_t(start)] = true;
        const auto fault = [start](const char *What) {
            return QStringLiteral("the message at byte %1 of block Messages %2")
                .arg(start)
                .arg(QLatin1String(What));
        };
        for (uchar tag = 0; tag != End;) {
            if (at == size)
                return fault("runs past its end");
            tag = uchar(Block[at++]);
            if (tag == End)
                continue;
            if (tag != Translation && tag != Obsolete && tag != SourceText && tag != Context &&
                tag != Comment)
                return fault("holds a part of an unknown kind");
            if (size - at < 4)
                return fault("runs past its end");
            const quint32 length = Read32(Block, at);
            at += 4;
            if (tag == Obsolete || (tag == Translation && length == NoTranslation))
                continue;
            if (tag == Translation && length % 2)
                return fault("holds a translation of an odd length");
            if (length > quint64(size - at))
                return fault("runs past its end");
            at += length;
        }
    }
    return {};
}

// Pairs of a hash, in order, and the offset of a message.
QString HashesFault(QByteArrayView Block, const std::vector<bool> &Starts)
{
    if (Block.size() % 8)
        return QStringLiteral("block Hashes holds a pair cut short");
    quint32 previous = 0;
    for (qsizetype at = 0; at < Block.size(); at += 8) {
        const quint32 hash = Read32(Block, at);
        const quint32 offset = Read32(Block, at + 4);
        if (hash < previous)
            return QStringLiteral("the hashes are out of order at byte %1 of block Hashes").arg(at);
        previous = hash;
        if (offset >= Starts.size() || !Starts[offset])
            return QStringLiteral("offset %1 at byte %2 of block Hashes is no message's start")
                .arg(offset)
                .arg(at);
    }
    return {};
}

// A table of buckets, each the offset of a list of contexts (a length byte
// and that many letters each) in the pool after it, ended by a zero length.
// `lrelease -compress` may leave the last list without its zero, which
// QTranslator then reads past; such a catalog is refused too.
QString ContextsFault(QByteArrayView Block)
{
    if (Block.size() < 2 || Read16(Block, 0) == 0)
        return QStringLiteral("block Contexts has no table");
    const qsizetype buckets = Read16(Block, 0);
    if (2 + 2 * buckets > Block.size())
        return QStringLiteral("the table of block Contexts runs past its end");
    const QByteArrayView pool = Block.sliced(2 + 2 * buckets);
    // Whether the list read from each byte of the pool on ends inside it,
    // worked out from the end so that every byte is walked once.
    std::vector<bool> ends(size_t(pool.size()), false);
    for (qsizetype at = pool.size() - 1; at >= 0; --at) {
        const qsizetype next = at + 1 + uchar(pool[at]);
        ends[size_t(at)] = pool[at] == 0 || (next < pool.size() && ends[size_t(next)]);
    }
    for (qsizetype bucket = 0; bucket < buckets; ++bucket) {
        const qsizetype list = 2 * qsizetype(Read16(Block, 2 + 2 * bucket));
        if (list != 0 && (list >= pool.size() || !ends[size_t(list)]))
            return QStringLiteral("the contexts of bucket %1 run past the end of block Contexts")
                .arg(bucket);
    }
    return {};
}

// As QTranslator's own check at loading, which the plural forms then trust.
QString NumerusRulesFault(QByteArrayView Block)
{
    const QString fault = QStringLiteral("block NumerusRules is no rule");
    for (qsizetype at = 0;;) {
        const uchar opcode = uchar(Block[at]);
        const int op = opcode & OperatorMask;
        const int operands = (opcode & BadOperator) || op == 0 || op > Between ? 0
                             : op == Between                                   ? 2
                                                                               : 1;
        if (operands == 0 || Block.size() - at <= operands)
            return fault;
        at += 1 + operands;
        if (at == Block.size())
            return {};
        const uchar join = uchar(Block[at]);
        if ((join != And && join != Or && join != NewRule) || ++at == Block.size())
            return fault;
    }
}

// A translator that owns the bytes it reads.
class TCheckedCatalog : public QTranslator {
public:
    explicit TCheckedCatalog(QByteArray Checked) : Bytes(std::move(Checked)) {}
    // Out of the application's list before its bytes go.
    ~TCheckedCatalog() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::removeTranslator(this);
    }
    bool Load()
    {
        return load(reinterpret_cast<const uchar *>(Bytes.constData()), int(Bytes.size()));
    }

private:
    const QByteArray Bytes;
};

} // namespace

QString CatalogFault(QByteArrayView Bytes)
{
    if (Bytes.size() < qsizetype(Magic.size()) ||
        std::memcmp(Bytes.data(), Magic.data(), Magic.size()) != 0)
        return QStringLiteral("it does not begin as a catalog");
    std::array<QByteArrayView, 256> blocks{};
    std::array<bool, 256> seen{};
    for (qsizetype at = Magic.size(); at < Bytes.size();) {
        if (Bytes.size() - at < 5)
            return QStringLiteral("it ends inside the head of a block");
        const uchar tag = uchar(Bytes[at]);
        const quint32 length = Read32(Bytes, at + 1);
        at += 5;
        // QTranslator stops reading at an empty block; lrelease writes none.
        if (tag == 0 || length == 0)
            return QStringLiteral("the block at byte %1 is empty").arg(at - 5);
        if (length > quint64(Bytes.size() - at))
            return QStringLiteral("block %1 runs past the end of the file").arg(BlockName(tag));
        if (seen[tag])
            return QStringLiteral("block %1 comes twice").arg(BlockName(tag));
        seen[tag] = true;
        // A block of a newer Qt's is passed over, as QTranslator does.
        blocks[tag] = Bytes.sliced(at, length);
        at += length;
    }
    if (seen[Dependencies])
        return QStringLiteral("it names other catalogs to load");
    std::vector<bool> starts;
    QString fault = MessagesFault(blocks[Messages], starts);
    if (fault.isEmpty())
        fault = HashesFault(blocks[Hashes], starts);
    if (fault.isEmpty() && seen[Contexts])
        fault = ContextsFault(blocks[Contexts]);
    if (fault.isEmpty() && seen[NumerusRules])
        fault = NumerusRulesFault(blocks[NumerusRules]);
    return fault;
}

std::unique_ptr<QTranslator> LoadCatalog(const QString &Path, QString *Fault)
{
    QFile file;
    if (!OpenRegularFile(Path, file)) {
        *Fault = QStringLiteral("it is no file that can be read");
        return nullptr;
    }
    if (file.size() > MostBytes) {
        *Fault = QStringLiteral("it is larger than any catalog");
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *Fault = file.errorString();
        return nullptr;
    }
    *Fault = CatalogFault(bytes);
    if (!Fault->isEmpty())
        return nullptr;
    auto catalog = std::make_unique<TCheckedCatalog>(bytes);
    if (!catalog->Load()) {
        *Fault = QStringLiteral("Qt refused it");
        return nullptr;
    }
    return catalog;
}
