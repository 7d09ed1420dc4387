// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// Shift-JIS (CP932) bytes, as the save record keeps names; every text on
// screen is a QString.
using TSjis = std::string;

// Converts UTF-8 source text to CP932 bytes. Characters CP932 cannot hold
// become '?', so a bad literal shows up on screen instead of vanishing.
TSjis ToSjis(std::string_view utf8);

// Converts CP932 bytes to a QString for display. Invalid bytes become U+FFFD.
QString FromSjis(std::string_view sjis);

// Plain decimal digits, with a leading minus sign when negative.
QString IntToStr(int64_t value);

// 0..25 -> 'a'..'z', 26..51 -> 'A'..'Z'. Any other value is a caller's error:
// it is written to standard output, one line is read from standard input,
// and a space is returned.
char IntToAlf(int32_t n);
