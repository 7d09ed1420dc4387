// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeCatalog.h"

#include "Catalog.h"
#include "Language.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

// The game's English catalog with random bytes changed (a byte in ten
// thousand to one in a hundred), now and then cut short, loaded the game's
// way and, when taken, asked for every text it holds: nothing may read
// outside it. VANTIK_FUZZ_CATALOGS says how many, VANTIK_FUZZ_SEED replays.

namespace {

TEST(CatalogFuzz, AChangedCatalogIsRefusedOrReadInsideItself)
{
    const QByteArray given = qgetenv("VANTIK_FUZZ_SEED");
    const unsigned long long seed = given.isEmpty() ? std::random_device{}() : given.toULongLong();
    const int count = qEnvironmentVariableIsSet("VANTIK_FUZZ_CATALOGS")
                          ? qEnvironmentVariableIntValue("VANTIK_FUZZ_CATALOGS")
                          : 10000;
    std::printf("catalog fuzz seed %llu (replay with VANTIK_FUZZ_SEED)\n", seed);
    std::fflush(stdout);
    std::mt19937_64 rng(seed);
    QFile english(BuiltCatalogFolder() + QStringLiteral("/vantik_en.qm"));
    ASSERT_TRUE(english.open(QIODevice::ReadOnly)) << english.fileName().toStdString();
    const QByteArray whole = english.readAll();
    ASSERT_EQ(CatalogFault(whole), QString());
    QString error;
    const std::vector<TCatalogEntry> entries = ReadCatalog(CatalogSource("en"), &error);
    ASSERT_FALSE(entries.empty()) << error.toStdString();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("vantik_en.qm"));

    const uint64_t size = uint64_t(whole.size()), rates[] = {10000, 3000, 1000, 300, 100};
    int taken = 0;
    for (int n = 0; n < count; ++n) {
        QByteArray bytes = whole;
        const uint64_t rate = rates[rng() % std::size(rates)];
        for (uint64_t c = 1 + rng() % (1 + 2 * size / rate); c > 0; --c)
            bytes[qsizetype(rng() % size)] = char(rng());
        if (rng() % 8 == 0)
            bytes.truncate(qsizetype(rng() % size));
        // A new file each time: ext4 writes a truncated file out at once.
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QString fault;
        const std::unique_ptr<QTranslator> catalog = LoadCatalog(path, &fault);
        ASSERT_EQ(catalog == nullptr, !fault.isEmpty()) << "seed " << seed << ", catalog " << n;
        taken += catalog != nullptr;
        for (const TCatalogEntry &entry : entries)
            for (const int number : {-1, 0, 1, 2, 11, 101})
                if (catalog && (number < 0 || entry.Numerus))
                    catalog->translate(entry.Context.toUtf8(), entry.Source.toUtf8(),
                                       entry.Comment.toUtf8(), number);
    }
    std::printf("catalog fuzz: %d catalogs, %d taken\n", count, taken);
    // Most changes at the lowest rate fall in the texts, which no check sees.
    EXPECT_GT(taken, 0);
}

} // namespace
