// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"
#include "SaveFile.h"
#include "SaveLoopRecord.h"
#include "UnitSaveLoad.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Makes each file-system call of saving fail in turn, with each error a disk
// can give, through a library preloaded into a helper that saves once (see
// SaveFaultInjector.cpp), and checks what every failure leaves on disk.

namespace {

struct TRun {
    bool Saved = false;
    bool AllMet = false;
    // Calls made, in the injector's order: open, create, write, fsync,
    // rename (and link), close.
    std::vector<long> Calls;
};

// The calls of saving and the errors each may meet on a real disk. EINTR is
// an interruption, not a failure: saving must get past it.
struct TCallErrors {
    const char *Kind;
    std::vector<const char *> Errors;
};

const std::vector<TCallErrors> CallErrors{
    {"open", {"ENOSPC", "EIO", "EDQUOT", "EROFS", "EACCES", "EPERM", "EINTR"}},
    // EOPNOTSUPP: a file system without unnamed files, where the temporary
    // file is named at once.
    {"create", {"ENOSPC", "EDQUOT", "EROFS", "EACCES", "EPERM", "EINTR", "EOPNOTSUPP"}},
    {"write", {"ENOSPC", "EIO", "EDQUOT", "EFBIG", "EINTR", "short"}},
    {"fsync", {"EIO", "ENOSPC", "EDQUOT", "EROFS", "EINTR"}},
    {"rename", {"EIO", "ENOSPC", "EDQUOT", "EROFS", "EACCES", "EPERM"}},
    {"close", {"EIO", "ENOSPC", "EDQUOT", "EINTR"}},
};

class SaveFaultTest : public GameHarness {
protected:
    const QByteArray Old = RecordBytes(SaveLoopRecord(1));
    const QByteArray New = RecordBytes(SaveLoopRecord(2));

    void PutOldSave(bool HadOld)
    {
        QFile::remove("save.dat");
        if (HadOld) {
            ASSERT_TRUE(WriteSaveFile(Old));
        }
    }

    TRun SaveUnder(const std::string &Faults)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", SAVE_FAULT_INJECTOR);
        env.insert("VANTIK_FAULTS", QString::fromStdString(Faults));
        // Under AddressSanitizer the injector comes before its runtime.
        env.insert("ASAN_OPTIONS",
                   env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0:detect_leaks=0");
        QProcess helper;
        helper.setProcessEnvironment(env);
        helper.setWorkingDirectory(WorkDir());
        helper.start(SAVE_FAULT_HELPER, {"2"});
        TRun run;
        if (!helper.waitForFinished(30000) || helper.exitStatus() != QProcess::NormalExit ||
            helper.exitCode() != 0) {
            ADD_FAILURE() << Faults
                          << ": the helper failed: " << helper.readAllStandardError().toStdString();
            return run;
        }
        const QList<QByteArray> words = helper.readAllStandardOutput().simplified().split(' ');
        if (words.size() != 11 || words[0] != "result" || words[2] != "calls") {
            ADD_FAILURE() << Faults << ": unexpected answer " << words.join(' ').toStdString();
            return run;
        }
        run.Saved = words[1] == "1";
        for (int i = 3; i < 9; ++i)
            run.Calls.push_back(words[i].toLong());
        run.AllMet = words[10] == "1";
        return run;
    }

    // What any save, failed or not, must leave behind: the old record or
    // the new one, a file the game loads, and no temporary file.
    void ExpectSoundState(const TRun &Run, bool HadOld, const std::string &Faults)
    {
        SCOPED_TRACE(Faults + (HadOld ? " over an old save" : " with no save"));
        QFile file("save.dat");
        const bool exists = file.exists();
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_EQ(Run.Saved, exists && bytes == New) << "the result must say whether it saved";
        if (!Run.Saved) {
            EXPECT_EQ(exists, HadOld);
            if (HadOld) {
                EXPECT_EQ(bytes, Old) << "a failed save must keep the old record";
            }
        }
        if (exists) {
            TBattler loaded{};
            EXPECT_TRUE(LoadGame(loaded, ApplicationTitle) == TLoadResult::Loaded);
        }
        QStringList left =
            QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        left.removeAll("dat");
        EXPECT_EQ(left, exists ? QStringList{"save.dat"} : QStringList{});
    }

    // Fails the Nth call of Kind, for N = 1, 2, ... until no such call is
    // made, with each error in turn; Extra faults stand for the whole run.
    // Returns how many runs met their fault.
    int FailEachCallInTurn(bool HadOld, const std::string &Extra, bool ExpectSavedOnEintr)
    {
        const bool failedBefore = HasFailure();
        int runs = 0;
        for (const TCallErrors &call : CallErrors)
            for (const char *error : call.Errors)
                for (int n = 1;; ++n) {
                    const std::string faults =
                        Extra + std::string(call.Kind) + ":" + std::to_string(n) + ":" + error;
                    PutOldSave(HadOld);
                    const TRun run = SaveUnder(faults);
                    if (!run.AllMet)
                        break;
                    ++runs;
                    ExpectSoundState(run, HadOld, faults);
                    if (ExpectSavedOnEintr && std::string(error) == "EINTR") {
                        EXPECT_TRUE(run.Saved) << faults << ": an interrupted call is retried";
                    }
                    // The first case that goes wrong tells enough.
                    if (HasFailure() && !failedBefore)
                        return runs;
                }
        return runs;
    }
};

TEST_F(SaveFaultTest, EveryFailingCallKeepsTheOldRecordAndSaysSo)
{
    for (const bool hadOld : {true, false}) {
        PutOldSave(hadOld);
        const TRun clean = SaveUnder("");
        ASSERT_TRUE(clean.Saved);
        ExpectSoundState(clean, hadOld, "no fault");
        // Each kind of call is made, so each is tried below.
        for (const long calls : clean.Calls)
            EXPECT_GT(calls, 0);

        const int runs = FailEachCallInTurn(hadOld, "", true);
        std::printf("%d faults injected %s\n", runs, hadOld ? "over an old save" : "with no save");
        EXPECT_GT(runs, 40);
    }
}

// A disk that stays full, or a failed sync: QSaveFile alone would commit the file anyway.
TEST_F(SaveFaultTest, FullDiskOrFailedSyncNeverReplacesTheOldRecord)
{
    for (const char *faults : {"write:*:ENOSPC", "fsync:1:EIO"}) {
        PutOldSave(true);
        const TRun run = SaveUnder(faults);
        EXPECT_TRUE(run.AllMet && !run.Saved) << faults;
        ExpectSoundState(run, true, faults);
    }
}

// Without /proc (a chroot, a sandbox) no unnamed file can be named: saving
// takes a named temporary file instead, and every failure there keeps the
// old record as well.
TEST_F(SaveFaultTest, WithoutProcTheTemporaryFileIsNamedAtOnce)
{
    const std::string noProc = "access:*:ENOENT,";
    for (const bool hadOld : {true, false}) {
        PutOldSave(hadOld);
        const TRun run = SaveUnder(noProc);
        EXPECT_TRUE(run.Saved && run.AllMet) << (hadOld ? "over an old save" : "with no save");
        ExpectSoundState(run, hadOld, noProc);
    }
    EXPECT_GT(FailEachCallInTurn(true, noProc, true), 40);
}

// A folder that takes no new file, while the save file itself may be
// written: the record is written in place, and a failure there puts the old
// record back.
TEST_F(SaveFaultTest, FolderRefusingNewFilesIsSavedInPlace)
{
    for (const char *refusal : {"EACCES", "EPERM"}) {
        const std::string refused = std::string("create:*:") + refusal + ",";
        PutOldSave(true);
        const TRun inPlace = SaveUnder(refused);
        EXPECT_TRUE(inPlace.Saved) << refusal;
        ExpectSoundState(inPlace, true, refused);

        PutOldSave(false);
        const TRun nothingToOverwrite = SaveUnder(refused);
        EXPECT_FALSE(nothingToOverwrite.Saved) << refusal;
        ExpectSoundState(nothingToOverwrite, false, refused);

        EXPECT_GT(FailEachCallInTurn(true, refused, false), 20);
    }
}

} // namespace
