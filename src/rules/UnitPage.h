// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>

// Facts of the pages that the window, the artwork drawn on them and the data
// generator must agree on; the generator includes this header too.

// The window's client area, which each page covers whole.
inline constexpr int PageWidth = 500;
inline constexpr int PageHeight = 400;

// The title page's panel, seen only until the first frame of its animation
// covers it, and the ground that animation is drawn on.
inline constexpr QColor TitlePageColour(68, 68, 68);
inline constexpr QColor TitleGround(0, 0, 0);

// The main page's ground. The backdrop's left part and the picture's fading
// edge are painted in it so that no seam shows; the icon's die wears it too.
inline constexpr QColor PageColour(223, 255, 255);

// The message's colour, which the dice labels wear too but for a forced 100.
inline constexpr QColor MessageColour(68, 102, 102);

// The message label; the backdrop is lightened behind it so the message
// stays readable over the picture.
inline constexpr QRect MessageRect(8, 256, 481, 89);
