// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitSaveLoad.h"
#include "GameHarness.h"
#include "Language.h"
#include "MyConsole.h"
#include "Needs.h"
#include "SaveFile.h"
#include "SaveLoopRecord.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A record with something in every byte the game never shows: name bytes
// past the length and both padding areas.
TBattler SampleRecord()
{
    TBattler record{};
    std::memset(&record, 0xA5, sizeof record);
    record.Name.Set(ToSjis("あなた"));
    record.HP = 3;
    record.MaxHP = 4;
    record.Hit = 55;
    record.Predict = -7;
    record.Evade = 0x01020304;
    record.Flash = 99;
    record.Reason = 100;
    record.BaseHit = 60;
    record.BasePredict = 12;
    record.BaseEvade = 44;
    record.BaseFlash = 99;
    record.BaseReason = 100;
    record.BossIndex = 3;
    record.CheckCode.Set("stale");
    return record;
}

} // namespace

class SaveLoadTest : public GameHarness {
protected:
    void TearDown() override
    {
        Thaw();
        GameHarness::TearDown();
    }
    bool Thaw()
    {
        bool all = true;
        for (const QString &path : Immutable)
            all = SetImmutable(path, false) && all;
        Immutable.clear();
        return all;
    }
    // Files in Folder other than the save and the data link: what a save
    // may have left behind.
    static QStringList LeftBeside(const QString &Folder)
    {
        QStringList left = QDir(Folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                  QDir::NoDotAndDotDot);
        left.removeAll("dat");
        left.removeAll("save.dat");
        return left;
    }

    QByteArray ValidSave()
    {
        EXPECT_TRUE(SaveGame(SampleRecord(), ApplicationTitle));
        return SaveFileBytes();
    }
    bool MakeImmutable(const QString &Path)
    {
        if (!SetImmutable(Path, true))
            return false;
        Immutable.push_back(Path);
        return true;
    }

    // Loads with a window present, then runs the pending calls and returns
    // the messages the player would have seen.
    std::vector<std::string> LoadAndReport(bool ExpectedResult, TBattler &Into)
    {
        Alerts.clear();
        EXPECT_EQ(LoadGameAndReport(Into), ExpectedResult);
        Pass();
        EXPECT_TRUE(FormMain->PendingCalls.empty());
        return Alerts;
    }

    std::vector<QString> Immutable;
};

TEST_F(SaveLoadTest, CheckCodeIsTenLettersOverEveryByteButItsOwnField)
{
    for (size_t k = 0; k < 10; ++k) {
        EXPECT_GE(CheckSeeds[k], 0);
        EXPECT_LT(CheckSeeds[k], 52);
        EXPECT_GT(CheckFactors[k], 0);
        EXPECT_LT(CheckFactors[k], 52);
    }

    TBattler record = SampleRecord();
    const TSjis code = ComputeCheckCode(record, ApplicationTitle);
    ASSERT_EQ(code.size(), 10u);
    EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }));

    // Whatever the code field holds takes no part.
    TBattler recoded = record;
    recoded.CheckCode.Set("ABCDEFGHIJ");
    recoded.CheckCode.Chars[0] = 'q';
    EXPECT_EQ(ComputeCheckCode(recoded, ApplicationTitle), code);
    recoded.CheckCode.Length = 200;
    EXPECT_EQ(ComputeCheckCode(recoded, ApplicationTitle), code);

    EXPECT_NE(ComputeCheckCode(record, "VANTIL"), code);

    // Every other byte counts, hidden name bytes and padding included.
    const TRecordImage image = RecordImage(record);
    for (size_t i = 0; i < image.size(); ++i) {
        if (i >= 88 && i <= 98)
            continue;
        TRecordImage changed = image;
        changed[i] ^= 0x01;
        EXPECT_NE(ComputeCheckCode(RecordFromImage(changed), ApplicationTitle), code)
            << "byte " << i;
    }

    StampCheckCode(record, ApplicationTitle);
    EXPECT_EQ(record.CheckCode.Str(), code);
    EXPECT_EQ(record.CheckCode.Length, 10);
}

TEST_F(SaveLoadTest, FileIsTheLittleEndianRecordImage)
{
    const TBattler record = SampleRecord();
    ASSERT_TRUE(SaveGame(record, ApplicationTitle));
    const QByteArray bytes = SaveFileBytes();
    ASSERT_EQ(bytes.size(), 100);
    auto at = [&](int i) { return static_cast<uint8_t>(bytes[i]); };
    EXPECT_EQ(at(0), 6); // "あなた" is six bytes of Shift-JIS
    EXPECT_EQ(bytes.mid(1, 6).toStdString(), ToSjis("あなた"));
    EXPECT_EQ(at(7), 0xA5);  // past the name's length
    EXPECT_EQ(at(33), 0xA5); // padding
    EXPECT_EQ(at(36), 3);    // HP
    EXPECT_EQ(at(40), 4);    // MaxHP
    // Evade 0x01020304, lowest byte first.
    EXPECT_EQ(at(52), 0x04);
    EXPECT_EQ(at(53), 0x03);
    EXPECT_EQ(at(54), 0x02);
    EXPECT_EQ(at(55), 0x01);
    // Predict -7.
    EXPECT_EQ(at(48), 0xF9);
    EXPECT_EQ(at(51), 0xFF);
    EXPECT_EQ(at(84), 3); // BossIndex
    EXPECT_EQ(at(88), 10);
    EXPECT_EQ(bytes.mid(89, 10).toStdString(), ComputeCheckCode(record, ApplicationTitle));
    EXPECT_EQ(at(99), 0xA5);
}

TEST_F(SaveLoadTest, SavedRecordLoadsBackByteForByte)
{
    StartGame();
    Player = SampleRecord();
    const TBattler before = Player;
    ASSERT_TRUE(SaveGame(Player, ApplicationTitle));
    // Saving stamps its own copy only.
    EXPECT_TRUE(SameBytes(Player, before));
    const QByteArray first = SaveFileBytes();
    ASSERT_TRUE(SaveGame(Player, ApplicationTitle));
    EXPECT_EQ(SaveFileBytes(), first);

    TBattler stamped = before;
    StampCheckCode(stamped, ApplicationTitle);
    TBattler loaded{};
    EXPECT_TRUE(LoadAndReport(true, loaded).empty());
    EXPECT_TRUE(SameBytes(loaded, stamped));

    // A longer file loads from its first record.
    ASSERT_TRUE(WriteSaveFile(first + QByteArray("extra")));
    TBattler longer{};
    EXPECT_TRUE(LoadAndReport(true, longer).empty());
    EXPECT_TRUE(SameBytes(longer, stamped));
}

// A save knows no language: a name stays the game's own bytes whatever the
// language shows it in, so a save made in one language loads in another to
// the same record and saves again to the same bytes.
TEST_F(SaveLoadTest, SaveMadeInOneLanguageLoadsAlikeInAnother)
{
    const struct {
        const char *Made, *Loaded, *TakenNameShown, *LoadedNameShown;
    } cases[] = {{"en", "", "Pawn", "歩"}, {"", "en", "歩", "Pawn"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Made);
        QByteArray saved;
        {
            const TLanguageScope language(QString::fromLatin1(c.Made));
            ASSERT_TRUE(language.Loaded());
            StartGame();
            ChangeScene(TScene::Main);
            Player = SampleRecord();
            Player.BossIndex = 1;
            Encounter(TBattleKind::Boss);
            EnemyDefeated();
            Click("≫");
            EXPECT_NE(Message().find(c.TakenNameShown), std::string::npos) << Message();
            ASSERT_TRUE(SaveGame(Player, ApplicationTitle));
            saved = SaveFileBytes();
            StopGame();
        }
        const TLanguageScope language(QString::fromLatin1(c.Loaded));
        ASSERT_TRUE(language.Loaded());
        StartGame();
        EXPECT_EQ(Player.Name.Str(), ToSjis("歩"));
        EXPECT_EQ(ShownName(Player).toStdString(), c.LoadedNameShown);
        ASSERT_TRUE(SaveGame(Player, ApplicationTitle));
        EXPECT_EQ(SaveFileBytes(), saved);
        StopGame();
    }
}

TEST_F(SaveLoadTest, MissingFileIsRefusedSilently)
{
    StartGame();
    TBattler record = SampleRecord();
    const TBattler before = record;
    EXPECT_TRUE(LoadAndReport(false, record).empty());
    EXPECT_TRUE(SameBytes(record, before));
}

TEST_F(SaveLoadTest, UnreadableFileGivesOneReadFailure)
{
    StartGame();
    const QByteArray valid = ValidSave();
    TBattler record{};

    ASSERT_TRUE(WriteSaveFile(valid.left(99)));
    EXPECT_EQ(LoadAndReport(false, record), std::vector<std::string>{ReadFailureText});

    ASSERT_TRUE(WriteSaveFile({}));
    EXPECT_EQ(LoadAndReport(false, record), std::vector<std::string>{ReadFailureText});

    ASSERT_TRUE(QFile::remove("save.dat"));
    ASSERT_TRUE(QDir().mkdir("save.dat"));
    EXPECT_EQ(LoadAndReport(false, record), std::vector<std::string>{ReadFailureText});
    ASSERT_TRUE(QDir().rmdir("save.dat"));

    // A file the game could not write back is refused though it reads well.
    ASSERT_TRUE(WriteSaveFile(valid));
    VANTIK_NEED(MakeImmutable("save.dat"), "the immutable flag (chattr +i)");
    EXPECT_EQ(LoadAndReport(false, record), std::vector<std::string>{ReadFailureText});
}

TEST_F(SaveLoadTest, DamagedCodeGivesOneBadContentReport)
{
    StartGame();
    const QByteArray valid = ValidSave();
    auto refused = [&](QByteArray Bytes, const char *What) {
        ASSERT_TRUE(WriteSaveFile(Bytes));
        TBattler record{};
        EXPECT_EQ(LoadAndReport(false, record), std::vector<std::string>{BadContentText}) << What;
        // The refused bytes stay as they were read.
        EXPECT_EQ(RecordBytes(record), Bytes.left(100)) << What;
    };

    QByteArray letter = valid;
    letter[93] = letter[93] == 'x' ? 'y' : 'x';
    refused(letter, "one letter changed");

    QByteArray caseOnly = valid;
    const char c = caseOnly[90];
    caseOnly[90] = std::islower(static_cast<unsigned char>(c)) ? std::toupper(c) : std::tolower(c);
    refused(caseOnly, "case of one letter");

    for (const uint8_t length : {0, 9, 11, 255}) {
        QByteArray bytes = valid;
        bytes[88] = static_cast<char>(length);
        refused(bytes, ("length byte " + std::to_string(length)).c_str());
    }

    for (int i = 0; i < 100; ++i) {
        if (i >= 88 && i <= 98)
            continue;
        QByteArray bytes = valid;
        bytes[i] = static_cast<char>(bytes[i] ^ 0x40);
        refused(bytes, ("byte " + std::to_string(i)).c_str());
    }
}

TEST_F(SaveLoadTest, RandomFilesNeverCrash)
{
    StartGame();
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(static_cast<int>(rng() % 160), '\0');
        for (char &b : bytes)
            b = static_cast<char>(rng());
        ASSERT_TRUE(WriteSaveFile(bytes));
        TBattler record{};
        const char *expected = bytes.size() < 100 ? ReadFailureText : BadContentText;
        EXPECT_EQ(LoadAndReport(false, record), std::vector<std::string>{expected});
    }
}

TEST_F(SaveLoadTest, SaveOverUnwritableFileFailsSilentlyAndKeepsIt)
{
    StartGame();
    const QByteArray old = ValidSave();
    VANTIK_NEED(MakeImmutable("save.dat"), "the immutable flag (chattr +i)");
    Player = SampleRecord();
    Player.BossIndex = 5;
    const TBattler before = Player;
    EXPECT_FALSE(SaveGame(Player, ApplicationTitle));
    Pass();
    EXPECT_TRUE(Alerts.empty());
    EXPECT_EQ(SaveFileBytes(), old);
    EXPECT_TRUE(SameBytes(Player, before));
    ASSERT_TRUE(Thaw());

    ASSERT_TRUE(QFile::remove("save.dat"));
    ASSERT_TRUE(QDir().mkdir("save.dat"));
    EXPECT_FALSE(SaveGame(Player, ApplicationTitle));
    EXPECT_TRUE(QFileInfo("save.dat").isDir());
    // Nothing is left behind beside the refused target.
    EXPECT_EQ(QDir(".").entryList(QDir::Files).size(), 0);
}

// A folder that takes no new file: the save is written where it stands.
TEST_F(SaveLoadTest, SaveInAFolderRefusingNewFilesWritesInPlace)
{
    const QByteArray old = ValidSave();
    VANTIK_NEED(MakeImmutable(WorkDir()), "the immutable flag (chattr +i)");
    TBattler record = SampleRecord();
    record.BossIndex = 6;
    EXPECT_TRUE(SaveGame(record, ApplicationTitle));
    TBattler loaded{};
    EXPECT_TRUE(LoadGame(loaded, ApplicationTitle) == TLoadResult::Loaded);
    EXPECT_EQ(loaded.BossIndex, 6);
    EXPECT_EQ(QDir(".").entryList(QDir::Files).size(), 1);

    // With no save to overwrite there is nothing to be done.
    ASSERT_TRUE(Thaw());
    ASSERT_TRUE(QFile::remove("save.dat"));
    ASSERT_TRUE(MakeImmutable(WorkDir()));
    EXPECT_FALSE(SaveGame(record, ApplicationTitle));
    EXPECT_FALSE(QFile::exists("save.dat"));
}

// Kills the save loop at random moments: every kill leaves one whole record
// of the round before or after, and at most the one temporary file of the
// killed save, which the next save clears away.
TEST_F(SaveLoadTest, KilledSaveLeavesOldOrNewRecordAndNoTemporaryFile)
{
    ASSERT_TRUE(SaveGame(SaveLoopRecord(0), ApplicationTitle));
    const unsigned seed = qEnvironmentVariableIsSet("VANTIK_KILL_SEED")
                              ? qEnvironmentVariable("VANTIK_KILL_SEED").toUInt()
                              : std::random_device()();
    std::printf("kill loop seed %u (replay with VANTIK_KILL_SEED)\n", seed);
    std::mt19937 rng(seed);
    int32_t last = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round) + ", seed " + std::to_string(seed));
        QProcess helper;
        helper.setWorkingDirectory(WorkDir());
        helper.start(SAVE_LOOP_HELPER, {QString::number(last + 1)});
        ASSERT_TRUE(helper.waitForReadyRead(10000)) << "the save loop did not start";
        QThread::usleep(rng() % 20000);
        helper.kill();
        ASSERT_TRUE(helper.waitForFinished(10000));

        EXPECT_EQ(QFileInfo("save.dat").size(), 100);
        TBattler loaded{};
        ASSERT_TRUE(LoadGame(loaded, ApplicationTitle) == TLoadResult::Loaded);
        const TBattler expected = SaveLoopRecord(loaded.HP);
        EXPECT_TRUE(SameBytes(loaded, expected));
        EXPECT_GT(loaded.HP, last) << "the first save of each run reached the disk";
        last = loaded.HP;
        const QStringList left = LeftBeside(WorkDir());
        ASSERT_LE(left.size(), 1) << left.join(' ').toStdString();
    }
    ASSERT_TRUE(SaveGame(SaveLoopRecord(last + 1), ApplicationTitle));
    EXPECT_EQ(LeftBeside(WorkDir()), QStringList{});
}

// A save file that never ends a read, or that is no file at all, is refused
// at once as unreadable; the game still opens on its title page. Should the
// load wait all the same, the FIFO is fed after a while, so that the test
// ends and tells how long it waited.
TEST_F(SaveLoadTest, SpecialFilesAsSaveAreRefusedWithoutWaiting)
{
    const struct {
        const char *What;
        bool (*Make)();
    } cases[] = {
        {"a FIFO", [] { return ::mkfifo("save.dat", 0666) == 0; }},
        {"a link to a FIFO",
         [] { return ::mkfifo("pipe", 0666) == 0 && QFile::link("pipe", "save.dat"); }},
        // The device that reads as endless zero bytes.
        {"a character device",
         [] { return ::mknod("save.dat", S_IFCHR | 0666, makedev(1, 5)) == 0; }},
    };
    for (const auto &special : cases) {
        SCOPED_TRACE(special.What);
        QFile::remove("save.dat");
        QFile::remove("pipe");
        VANTIK_NEED(special.Make(), special.What << " (mkfifo, mknod as root)");
        std::atomic<bool> loaded{false};
        std::thread feeder([&] {
            for (int i = 0; i < 100 && !loaded; ++i)
                QThread::msleep(50);
            const int fd = ::open("save.dat", O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                const QByteArray bytes(100, 'x');
                (void)!::write(fd, bytes.constData(), size_t(bytes.size()));
                ::close(fd);
            }
        });
        QElapsedTimer clock;
        clock.start();
        StartGame();
        loaded = true;
        const qint64 waited = clock.elapsed();
        feeder.join();
        Pass();
        EXPECT_LT(waited, 2000) << "ms before the window was built";
        EXPECT_EQ(Alerts, std::vector<std::string>{ReadFailureText});
        EXPECT_EQ(CurrentScene, TScene::Title);
        StopGame();
        Alerts.clear();
    }
}

// A save file that is a link to a file in another folder: the save goes to
// the target, whole, and the link stays a link, whichever folder takes no
// new file.
TEST_F(SaveLoadTest, LinkedSaveIsReplacedAtItsTarget)
{
    const QString elsewhere = QDir(WorkDir()).filePath("elsewhere");
    const QString target = QDir(elsewhere).filePath("progress.dat");
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    enum TFrozen { None, TargetFolder, LinkFolder };
    for (const TFrozen frozen : {None, TargetFolder, LinkFolder}) {
        SCOPED_TRACE("frozen folder " + std::to_string(frozen));
        QFile::remove("save.dat");
        QFile::remove(target);
        ASSERT_TRUE(WriteSaveFile(RecordBytes(SaveLoopRecord(1)), target));
        ASSERT_TRUE(QFile::link(target, "save.dat"));
        if (frozen != None) {
            VANTIK_NEED(MakeImmutable(frozen == TargetFolder ? elsewhere : WorkDir()),
                        "the immutable flag (chattr +i)");
        }
        EXPECT_TRUE(SaveGame(SaveLoopRecord(2), ApplicationTitle));
        ASSERT_TRUE(Thaw());

        EXPECT_EQ(QFileInfo("save.dat").symLinkTarget(), target) << "the link stays a link";
        EXPECT_EQ(SaveFileBytes(), RecordBytes(SaveLoopRecord(2)));
        EXPECT_EQ(LeftBeside(WorkDir()), QStringList{"elsewhere"});
        EXPECT_EQ(LeftBeside(elsewhere), QStringList{"progress.dat"});
    }
}

TEST_F(SaveLoadTest, StartWithValidSaveOpensMainMenuWithPlayerDrawn)
{
    TBattler record = SampleRecord();
    record.HP = 2;
    record.MaxHP = 3;
    record.Hit = 41;
    record.BaseHit = 41;
    ASSERT_TRUE(SaveGame(record, ApplicationTitle));
    StartGame();
    Pass();
    EXPECT_TRUE(Alerts.empty());
    EXPECT_EQ(CurrentScene, TScene::Main);
    EXPECT_TRUE(Controls().PageMain->isVisibleTo(FormMain));
    EXPECT_FALSE(Controls().PageTitle->isVisibleTo(FormMain));
    EXPECT_EQ(Choices(), MenuChoices);
    EXPECT_TRUE(IsFlavourLine(Message()));
    EXPECT_EQ(Player.BossIndex, 3);
    EXPECT_EQ(Utf8Of(Controls().LabMyHP->Caption()), "☆★★");
    EXPECT_EQ(Controls().LabMyStatus[0]->Caption(), "41");
    EXPECT_EQ(Controls().LabEnemyStatus[0]->Caption(), "");
    EXPECT_EQ(Controls().LabEnemyHP->Caption(), "");
}

TEST_F(SaveLoadTest, StartWithDamagedSaveShowsTitleAndOneReport)
{
    QByteArray bytes = ValidSave();
    bytes[40] = static_cast<char>(bytes[40] + 1);
    ASSERT_TRUE(WriteSaveFile(bytes));
    StartGame();
    for (int i = 0; i < 3; ++i)
        Advance(60);
    EXPECT_EQ(Alerts, std::vector<std::string>{BadContentText});
    EXPECT_EQ(CurrentScene, TScene::Title);
    EXPECT_TRUE(Controls().PageTitle->isVisibleTo(FormMain));
}

// The real message box: one OK button, the application title as caption.
TEST_F(SaveLoadTest, AlertShowsOneOkBoxCaptionedWithTheTitle)
{
    StartGame();
    SetAlertSink(nullptr);
    QString title, text;
    int buttons = -1;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    ReportBadContent();
    EXPECT_EQ(title.toStdString(), "VANTIK");
    EXPECT_EQ(text.toStdString(), BadContentText);
    EXPECT_EQ(buttons, 1);
}
