// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry: the application object, the main window, the loop.
#include "LumeWave.h"
#include "MyConsole.h"
#include "UnitForm.h"
#include "UnitSaveLoad.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(FromSjis(ApplicationTitle));
        // The window's close box sets the terminate flag; the main loop then
        // ends the application itself.
        QApplication::setQuitOnLastWindowClosed(false);

        std::unique_ptr<TFormMain> form;
        try {
            form = std::make_unique<TFormMain>();
        } catch (const std::exception &error) {
            // A missing data file ends the program before its window shows.
            std::fprintf(stderr, "vantik: %s\n", error.what());
            Alert(ToSjis(error.what()));
            return 1;
        }
        form->show();
        status = QApplication::exec();
        form.reset();
        TLumeWave::EndNowIfSoundStarted(status);
    }
    // Everything of ours is freed by now, and no sound server connection is
    // left to race the libraries' exit handlers.
    return status;
}
