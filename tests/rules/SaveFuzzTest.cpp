// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"
#include "LumeForm.h"
#include "LumeRandom.h"
#include "SaveFile.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

// Starts the real game over and over on save files that are damaged,
// truncated, folders, or well-formed records stamped with a valid code but
// holding any values, and plays a fight through the window's buttons each
// time. Bounded by time (VANTIK_FUZZ_SECONDS, 20 s by default) and by a
// number of starts; VANTIK_FUZZ_SEED replays a run.

namespace {

using TRng = std::mt19937_64;

constexpr int MostStarts = 100000;
constexpr int MostClicks = 120;

// The kinds of save file tried, each with what the start must show.
enum class TCase {
    Missing,
    Empty,
    Folder,
    LinkToFolder,
    DanglingLink,
    RandomBytes,
    ValidRecord,
    ValidRecordWithTail,
    DamagedRecord,
    Count,
};

const char *const CaseNames[] = {
    "missing",       "empty",        "folder",       "link-to-folder",
    "dangling-link", "random-bytes", "valid-record", "valid-record-with-tail",
    "damaged-record"};

uint64_t EnvNumber(const char *Name, uint64_t Default)
{
    const char *text = std::getenv(Name);
    return text && *text ? std::strtoull(text, nullptr, 10) : Default;
}

int64_t MsNow()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Any 32-bit value, with the edges and the game's own ranges often.
int32_t AnyInt(TRng &Rng)
{
    static const int32_t edges[] = {INT_MIN, INT_MIN + 1, -100, -1,          0,           1,
                                    2,       5,           7,    9,           10,          99,
                                    100,     101,         1000, INT_MAX / 4, INT_MAX - 1, INT_MAX};
    switch (Rng() % 3) {
    case 0:
        return edges[Rng() % std::size(edges)];
    case 1:
        return static_cast<int32_t>(Rng() % 202) - 1;
    default:
        return static_cast<int32_t>(static_cast<uint32_t>(Rng()));
    }
}

// A record with arbitrary bytes everywhere, integers drawn from AnyInt,
// and a check code that matches it.
TBattler AnyValidRecord(TRng &Rng)
{
    TRecordImage image{};
    for (uint8_t &b : image)
        b = static_cast<uint8_t>(Rng());
    TBattler record = RecordFromImage(image);
    record.Name.Length = static_cast<uint8_t>(Rng() % 256);
    for (int32_t *field :
         {&record.HP, &record.MaxHP, &record.Hit, &record.Predict, &record.Evade, &record.Flash,
          &record.Reason, &record.BaseHit, &record.BasePredict, &record.BaseEvade,
          &record.BaseFlash, &record.BaseReason, &record.BossIndex})
        *field = AnyInt(Rng);
    if (Rng() % 4 == 0)
        record.BossIndex = static_cast<int32_t>(Rng() % 9) - 1;
    // Now and then a champion close to the last bosses, so that fights are
    // won and the endings, with their save, are reached with odd records.
    if (Rng() % 4 == 0) {
        for (int32_t *stat : {&record.Hit, &record.Predict, &record.Evade, &record.Flash,
                              &record.Reason, &record.BaseHit, &record.BasePredict,
                              &record.BaseEvade, &record.BaseFlash, &record.BaseReason})
            *stat = 100 + static_cast<int32_t>(Rng() % (uint64_t(INT_MAX) - 99));
        record.HP = record.MaxHP = 1 + static_cast<int32_t>(Rng() % 200);
        record.BossIndex = 5 + static_cast<int32_t>(Rng() % 2);
    }
    StampCheckCode(record, ApplicationTitle);
    return record;
}

QByteArray RandomBytes(TRng &Rng, qsizetype Size)
{
    QByteArray bytes(Size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(Rng());
    return bytes;
}

void RemoveSave()
{
    const QFileInfo info("save.dat");
    if (info.isDir() && !info.isSymLink())
        QDir("save.dat").removeRecursively();
    else
        QFile::remove("save.dat");
    QDir("target").removeRecursively();
    // A save through a dangling link creates the file it points to.
    QFile::remove("nowhere");
}

// Aborts the test program, naming the seed, when one start or one click
// takes far longer than it ever should: a hang must not pass as slowness.
class TWatchdog {
public:
    TWatchdog(uint64_t Seed, int64_t LimitMs) : Seed(Seed), LimitMs(LimitMs)
    {
        Beat = MsNow();
        Thread = std::thread([this] { Watch(); });
    }
    ~TWatchdog()
    {
        Stop = true;
        Thread.join();
    }
    void Alive(int Start, TCase Case)
    {
        Beat = MsNow();
        CurrentStart = Start;
        CurrentCase = static_cast<int>(Case);
    }
    void Alive() { Beat = MsNow(); }

private:
    void Watch()
    {
        while (!Stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (MsNow() - Beat > LimitMs) {
                std::fprintf(stderr,
                             "save fuzz: no progress for %lld ms at start %d (%s); seed %llu\n",
                             static_cast<long long>(LimitMs), CurrentStart.load(),
                             CaseNames[CurrentCase.load()], static_cast<unsigned long long>(Seed));
                std::abort();
            }
        }
    }

    const uint64_t Seed;
    const int64_t LimitMs;
    std::atomic<int64_t> Beat{0};
    std::atomic<int> CurrentStart{0};
    std::atomic<int> CurrentCase{0};
    std::atomic<bool> Stop{false};
    std::thread Thread;
};

} // namespace

class SaveFuzzTest : public GameHarness {
protected:
    int AcceptedStarts = 0;
    int FightClicks = 0;
    int Endings = 0;
    int Defeats = 0;

    // Lays down the save file of the case; returns the record when the
    // game must accept it.
    bool PrepareSave(TCase Case, TRng &Rng, TBattler &Accepted)
    {
        switch (Case) {
        case TCase::Missing:
            return false;
        case TCase::Empty:
            WriteSaveFile({});
            return false;
        case TCase::Folder:
            QDir().mkdir("save.dat");
            return false;
        case TCase::LinkToFolder:
            QDir().mkdir("target");
            QFile::link("target", "save.dat");
            return false;
        case TCase::DanglingLink:
            QFile::link("nowhere", "save.dat");
            return false;
        case TCase::RandomBytes: {
            // Sizes around the record's own are tried often.
            const qsizetype size = Rng() % 3 == 0 ? 98 + qsizetype(Rng() % 5) : Rng() % 301;
            return WriteAndJudge(RandomBytes(Rng, size), Accepted);
        }
        case TCase::ValidRecord:
        case TCase::ValidRecordWithTail:
            Accepted = AnyValidRecord(Rng);
            WriteSaveFile(RecordBytes(Accepted) +
                          (Case == TCase::ValidRecordWithTail
                               ? RandomBytes(Rng, 1 + qsizetype(Rng() % 200))
                               : QByteArray()));
            return true;
        case TCase::DamagedRecord: {
            QByteArray bytes = RecordBytes(AnyValidRecord(Rng));
            const qsizetype at = qsizetype(Rng() % bytes.size());
            bytes[at] = static_cast<char>(bytes[at] ^ (1 + Rng() % 255));
            return WriteAndJudge(bytes, Accepted);
        }
        case TCase::Count:
            break;
        }
        Q_UNREACHABLE();
    }

    // Writes the bytes as the save file. Its first 100 bytes are a valid
    // save exactly when their code matches, which a random or damaged record
    // may do by chance (a byte changed by a multiple of 52 moves no
    // accumulator of the code).
    static bool WriteAndJudge(const QByteArray &Bytes, TBattler &Accepted)
    {
        WriteSaveFile(Bytes);
        if (Bytes.size() < 100)
            return false;
        TRecordImage image{};
        std::copy_n(Bytes.constData(), image.size(), reinterpret_cast<char *>(image.data()));
        Accepted = RecordFromImage(image);
        return Accepted.CheckCode.Length == 10 &&
               Accepted.CheckCode.Str() == ComputeCheckCode(Accepted, ApplicationTitle);
    }

    // What a refused file must have reported: nothing when there is no file
    // to read, a read failure when it cannot be read whole, else bad content.
    static Strings ExpectedReport(TCase Case, bool Accepted)
    {
        if (Accepted || Case == TCase::Missing || Case == TCase::DanglingLink)
            return {};
        const QFileInfo info("save.dat");
        if (info.isDir() || info.size() < 100)
            return {ReadFailureText};
        return {BadContentText};
    }

    void ExpectStart(TCase Case, bool Accepted, const TBattler &Record)
    {
        EXPECT_EQ(Alerts, ExpectedReport(Case, Accepted));
        if (!Accepted) {
            EXPECT_TRUE(Controls().PageTitle->isVisibleTo(FormMain));
            return;
        }
        EXPECT_TRUE(Controls().PageMain->isVisibleTo(FormMain));
        EXPECT_EQ(Choices(), MenuChoices);
        // The loaded values are drawn as they stand, whatever they are.
        const std::array<TLumeLabel *, 5> labels = Controls().LabMyStatus;
        const int32_t values[] = {Record.Hit, Record.Evade, Record.Predict, Record.Flash,
                                  Record.Reason};
        for (size_t i = 0; i < labels.size(); ++i)
            EXPECT_EQ(TextOf(labels[i]), std::to_string(values[i]));
    }

    // From the title page to the main menu the way a new player goes.
    void ReachMenu(TRng &Rng)
    {
        ClickWidget(Controls().PntTitle);
        for (int n = int(Rng() % 3); n > 0; --n)
            Click("noar");
        Click("yest");
        for (int n = int(Rng() % 3); n > 0; --n)
            Click("≫");
        Click("skipl");
        ASSERT_EQ(Choices(), MenuChoices);
    }

    // Fights from the menu with choices drawn at random, the dice left to
    // tick a while and "ib" pressed now and then, until the clicks run out,
    // an ending has nothing more to click or a defeat ends the program.
    void PlayFights(TRng &Rng, TWatchdog &Dog)
    {
        for (int click = 0; click < MostClicks; ++click) {
            Dog.Alive();
            const Strings offered = Choices();
            ASSERT_LE(offered.size(), 3u) << Message();
            if (offered.empty()) {
                ++Endings;
                return;
            }
            if (offered == Strings{"gmov"}) {
                Click("gmov");
                ++Defeats;
                EXPECT_TRUE(ApplicationTerminated());
                return;
            }
            for (int ticks = int(Rng() % 4); ticks > 0; --ticks)
                Advance(51);
            TLumeButton *ib = Controls().BtnIdeaBurst;
            if (ib->isVisibleTo(FormMain) && ib->isEnabled() && Rng() % 4 == 0)
                ClickWidget(ib);
            // The first choice, the one most often wanted, is taken most often.
            const size_t pick = Rng() % 2 ? 0 : Rng() % offered.size();
            ClickSlot(int(pick));
            ++FightClicks;
            if (HasFailure())
                return;
        }
    }
};

TEST_F(SaveFuzzTest, AnySaveFileStartsTheGameAndPlays)
{
    const uint64_t seed = EnvNumber("VANTIK_FUZZ_SEED", std::random_device{}());
    const int64_t budgetMs = int64_t(EnvNumber("VANTIK_FUZZ_SECONDS", 20)) * 1000;
    std::printf("save fuzz seed %llu (replay with VANTIK_FUZZ_SEED)\n",
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    TRng rng(seed);
    TWatchdog dog(seed, 60000);

    const int64_t start = MsNow();
    int starts = 0;
    for (; starts < MostStarts && MsNow() - start < budgetMs; ++starts) {
        const auto kase = static_cast<TCase>(rng() % static_cast<uint64_t>(TCase::Count));
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", start " << starts << ", "
                                        << CaseNames[static_cast<int>(kase)]);
        dog.Alive(starts, kase);
        RemoveSave();
        ResetGameGlobals();
        Alerts.clear();
        TBattler record{};
        const bool accepted = PrepareSave(kase, rng, record);
        StartGame();
        RandSeed = static_cast<uint32_t>(rng());
        ExpectStart(kase, accepted, record);
        AcceptedStarts += accepted;
        if (!accepted)
            ReachMenu(rng);
        if (!HasFailure())
            PlayFights(rng, dog);
        StopGame();
        if (HasFailure())
            break;
    }
    RemoveSave();
    std::printf("save fuzz: %d starts, %d accepted saves, %d clicks in fights, %d endings, "
                "%d defeats\n",
                starts, AcceptedStarts, FightClicks, Endings, Defeats);
    RecordProperty("starts", starts);
    EXPECT_GT(starts, 0);
}
