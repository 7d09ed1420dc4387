// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the sound server plays a stream of this process now: one of its
// sink inputs belongs to this process and is not corked. False when no
// sound server answers.
bool ThisProcessSounds();
