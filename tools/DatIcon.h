#pragma once

#include <QString>

// Draws the game's icon (a die showing its hundred) and writes it as PNG.
bool WriteIcon(const QString &FileName, int Size);
