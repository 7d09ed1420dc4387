// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry: the application object, the main window, the loop.
#include "LumeWave.h"
#include "MyConsole.h"
#include "UnitForm.h"
#include "UnitInstance.h"
#include "UnitLanguage.h"
#include "UnitSound.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The catalog's "Start" context.
struct Start {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

int TerminationPipe[2] = {-1, -1};

void NoteTermination(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(TerminationPipe[1], &byte, 1);
}

// The window the session's end closes, once there is one, and whether an end
// was asked for before it showed.
QPointer<QWidget> MainWindow;
bool TerminationAsked = false;

// The session's end (SIGTERM) or Ctrl+C on a terminal closes the game as its
// close box does: the main loop ends in order and the status is 0. Where
// nothing can click (a compositor with no seat), it is also how the game is
// asked to close. Caught from the first moment, so that an end asked for
// while the game starts also leaves in order, its socket removed.
void CloseOnTermination()
{
    if (pipe2(TerminationPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(TerminationPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        while (read(TerminationPipe[0], &byte, 1) > 0) {
        }
        TerminationAsked = true;
        QApplication::closeAllWindows();
        if (MainWindow)
            MainWindow->close();
    });
    struct sigaction action = {};
    action.sa_handler = NoteTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// The launcher's word on a player folder it could not prepare: a start from
// the desktop menu has no terminal to show it. True when that was the job.
bool ShowLauncherRefusal()
{
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 || arguments[1] != QLatin1String("--cannot-start"))
        return false;
    ShowMessageBox(arguments[2]);
    return true;
}

// The exit status when another game holds the folder, nothing when this is
// the folder's only game.
std::optional<int> RefuseSecondGame(TInstanceGuard &Guard)
{
    if (Guard.First())
        return std::nullopt;
    if (Guard.AskedToFront()) {
        std::fprintf(stderr, "vantik: the game already runs in this folder; "
                             "its window was brought to the front\n");
        return 0;
    }
    // Its game runs in another session or on another computer that shares
    // the folder: nothing here can show it. The terminal's line stays
    // English, for whoever reads the logs.
    std::fprintf(stderr,
                 "vantik: another game holds this folder (%s) and does not answer: it runs "
                 "in another session or on another computer\n",
                 QDir::currentPath().toLocal8Bit().constData());
    //: A message box at start-up: another copy of this game holds this folder (%1) and does not
    //: answer, so this one cannot start.
    ShowMessageBox(
        Start::tr("このフォルダー（%1）では、すでにこのゲームが動いていて応答しません。別の"
                  "セッションか、このフォルダーを共有する別のコンピューターで動いています。"
                  "ひとつのフォルダーで同時に動かせるのはひとつだけです。")
            .arg(QDir::toNativeSeparators(QDir::currentPath())));
    return 1;
}

// The window, or null when a missing data file ends the program before it
// shows.
std::unique_ptr<TFormMain> MakeWindow()
{
    try {
        return std::make_unique<TFormMain>();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "vantik: %s\n", error.what());
        //: A message box at start-up: a file of the game's data folder is missing or damaged, so
        //: the game cannot start. %1 names the file and what is wrong with it, in English.
        ShowMessageBox(Start::tr("データファイルを読み込めないため、ゲームを始められません。（%1）")
                           .arg(QString::fromLocal8Bit(error.what())));
        return nullptr;
    }
}

// Runs the game in the application app and returns its exit status.
int PlayGame()
{
    if (ShowLauncherRefusal())
        return 1;
    CloseOnTermination();
    std::optional<TInstanceGuard> guard(std::in_place);
    if (const std::optional<int> refused = RefuseSecondGame(*guard))
        return *refused;
    std::unique_ptr<TFormMain> form = MakeWindow();
    if (!form)
        return 1;
    guard->SetWindow(form.get());
    MainWindow = form.get();
    // Asked to end while a message box of the start was shown.
    if (TerminationAsked)
        return 0;
    form->show();
    const int status = QApplication::exec();
    form.reset();
    // Its socket removed before a quick exit can skip that.
    guard.reset();
    TLumeWave::EndNowIfSoundStarted(status);
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(FromSjis(ApplicationTitle));
        // The window's close box sets the terminate flag; the main loop then
        // ends the application itself.
        QApplication::setQuitOnLastWindowClosed(false);
        // The player's language, before any text is shown.
        StartLanguage(TLocaleSettings::OfProcess(), SettingsFile());
        status = PlayGame();
    }
    // Everything of ours is freed by now, and no sound server connection is
    // left to race the libraries' exit handlers.
    return status;
}
