// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

// Seeds chosen for the draws they give: the tests set up exact draws of the
// real generator this way instead of replacing it.

// The first seed from which the draws DrawsFit makes satisfy it.
uint32_t SeedWhere(const std::function<bool()> &DrawsFit);
// The first seed from which consecutive draws of Random(Range) are Wanted.
uint32_t SeedForDraws(int32_t Range, std::initializer_list<int32_t> Wanted);
// The seed after Count draws from Seed.
uint32_t SeedAfter(uint32_t Seed, int Count);
