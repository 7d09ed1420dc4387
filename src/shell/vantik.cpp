// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry: the application object, the main window, the loop.
#include "LumeWave.h"
#include "MyConsole.h"
#include "UnitForm.h"
#include "UnitInstance.h"
#include "UnitLanguage.h"
#include "UnitSaveLoad.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

int TerminationPipe[2] = {-1, -1};

void NoteTermination(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(TerminationPipe[1], &byte, 1);
}

// The session's end (SIGTERM) or Ctrl+C on a terminal closes the game as its
// close box does: the main loop ends in order and the status is 0. Where
// nothing can click (a compositor with no seat), it is also how the game is
// asked to close.
void CloseOnTermination(QWidget &Window)
{
    if (pipe2(TerminationPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(TerminationPipe[0], QSocketNotifier::Read, &Window);
    QObject::connect(notifier, &QSocketNotifier::activated, &Window, [&Window] {
        char byte;
        while (read(TerminationPipe[0], &byte, 1) > 0) {
        }
        QApplication::closeAllWindows();
        Window.close();
    });
    struct sigaction action = {};
    action.sa_handler = NoteTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
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
        UseLanguage(ChooseLanguage(TLocaleSettings::OfProcess(), InstalledCatalogs()));

        // The launcher's word on a player folder it could not prepare: a
        // start from the desktop menu has no terminal to show it.
        const QStringList arguments = QApplication::arguments();
        if (arguments.size() == 3 && arguments[1] == QLatin1String("--cannot-start")) {
            Alert(arguments[2]);
            return 1;
        }
        TInstanceGuard guard;
        if (!guard.First())
            return 0;

        std::unique_ptr<TFormMain> form;
        try {
            form = std::make_unique<TFormMain>();
        } catch (const std::exception &error) {
            // A missing data file ends the program before its window shows.
            std::fprintf(stderr, "vantik: %s\n", error.what());
            Alert(QString::fromLocal8Bit(error.what()));
            return 1;
        }
        guard.SetWindow(form.get());
        CloseOnTermination(*form);
        form->show();
        status = QApplication::exec();
        form.reset();
        TLumeWave::EndNowIfSoundStarted(status);
    }
    // Everything of ours is freed by now, and no sound server connection is
    // left to race the libraries' exit handlers.
    return status;
}
