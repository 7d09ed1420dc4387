#pragma once

#include <QString>

// Draws the 200 x 400 backdrop picture and writes it as a 24-bit BMP file.
bool WriteBackdropPicture(const QString &FileName);
