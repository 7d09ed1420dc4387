#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to the game through a PulseAudio null sink: on the title page the
recording must be the title music, 04b.wav, looping without a break; once a
click has opened the main page it must fall silent and stay silent."""

import os
import sys
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import numpy as np
from gamesession import (CLIENT_HEIGHT, CLIENT_WIDTH, MAIN_PAGE_GROUND, GameSession, MonitorRecorder,
                         check, colour_share, run_test, standard_arguments, wait_for, wait_for_picture)

RATE = MonitorRecorder.RATE
WINDOW = RATE // 2          # pieces of half a second are matched one by one
LOUD = 0.01                 # RMS, full scale 1.0, above which the sink is taken as sounding
SILENT = 0.001              # peak below which it is taken as silent
MATCH = 0.9                 # least normalised correlation of a piece with the music
QUIET_SECONDS = 2.0


def read_music(path):
    """04b.wav as mono floats at the recorder's rate."""
    with wave.open(path, "rb") as music:
        check(music.getsampwidth() == 2, "04b.wav is not 16-bit")
        channels, rate = music.getnchannels(), music.getframerate()
        frames = music.readframes(music.getnframes())
    samples = np.frombuffer(frames, dtype="<i2").astype(np.float64) / 32768.0
    samples = samples.reshape(-1, channels).mean(axis=1)
    if rate != RATE:
        positions = np.arange(0, len(samples) - 1, rate / RATE)
        samples = np.interp(positions, np.arange(len(samples)), samples)
    return samples


def rms(samples):
    return float(np.sqrt(np.mean(np.square(samples)))) if len(samples) else 0.0


def best_match(piece, music):
    """Where in the looped music the piece fits best, and how well (normalised
    correlation, 1.0 for a perfect copy at any loudness)."""
    looped = np.concatenate([music, music[:len(piece)]])
    size = 1 << int(np.ceil(np.log2(len(looped) + len(piece))))
    piece = piece - piece.mean()
    products = np.fft.irfft(np.fft.rfft(looped, size) * np.conj(np.fft.rfft(piece, size)), size)
    products = products[:len(music)]
    energy = np.cumsum(np.concatenate([[0.0], np.square(looped)]))
    sums = np.cumsum(np.concatenate([[0.0], looped]))
    spans = energy[len(piece):len(piece) + len(music)] - energy[:len(music)]
    means = (sums[len(piece):len(piece) + len(music)] - sums[:len(music)]) / len(piece)
    spread = np.sqrt(np.maximum(spans - len(piece) * np.square(means), 1e-12))
    scores = products / (spread * np.linalg.norm(piece) + 1e-12)
    offset = int(np.argmax(scores))
    return offset, float(scores[offset])


def check_music(recording, music):
    """Every half second of the recording is the next half second of the music."""
    offsets = []
    for start in range(0, len(recording) - WINDOW + 1, WINDOW):
        piece = recording[start:start + WINDOW]
        check(rms(piece) > LOUD, "the title music breaks off %.1f s after it began" % (start / RATE))
        offset, score = best_match(piece, music)
        check(score > MATCH, "%.1f s into the recording the sound is not 04b.wav (match %.2f)"
              % (start / RATE, score))
        offsets.append(offset)
    # Each piece follows on from the one before: no restart, no skip. A step
    # may lag by a sound server's underrun on a loaded machine, no more.
    tolerance = RATE // 10
    for index in range(1, len(offsets)):
        step = (offsets[index] - offsets[index - 1]) % len(music)
        check(abs(step - WINDOW) <= tolerance,
              "the music jumped by %.3f s at %.1f s" % ((step - WINDOW) / RATE, index * WINDOW / RATE))
    wrapped = any(later < earlier for earlier, later in zip(offsets, offsets[1:]))
    check(wrapped, "the recording did not reach the music's repeat")


def listen(args):
    music = read_music(os.path.join(args.dat, "04b.wav"))
    with GameSession(args.program, args.dat, sound=True) as session:
        recorder = session.recorder
        window = session.main_window()

        def onset():
            session.check_running()
            end = recorder.position()
            if rms(recorder.samples(end - RATE // 20, end)) <= LOUD:
                return None
            # The null sink is exactly zero until something plays: the first
            # sample off zero is where the music begins.
            early = max(0, end - RATE // 2)
            return early + int(np.argmax(np.abs(recorder.samples(early, end)) > SILENT))
        start = wait_for("the title music", onset, timeout=20.0)
        # One whole turn of the music and a good part of the next.
        span = len(music) + 3 * WINDOW
        wait_for("%.1f s of title music" % (span / RATE), lambda: recorder.position() >= start + span,
                 timeout=span / RATE + 15.0, interval=0.1)
        check_music(recorder.samples(start, start + span), music)

        session.click_in(window, CLIENT_WIDTH // 2, CLIENT_HEIGHT // 2)
        wait_for_picture(session, window, "the main page",
                         lambda shown: colour_share(shown, MAIN_PAGE_GROUND) > 0.1)
        shown_at = recorder.position()

        # What the sink still held when the music stopped may drain out first.
        def silent_since():
            end = recorder.position()
            recent = recorder.samples(end - RATE // 10, end)
            return end if end - shown_at >= RATE // 10 and np.max(np.abs(recent)) < SILENT else None
        quiet_from = wait_for("silence on the main page", silent_since, timeout=5.0)
        wait_for("%g s on the main page" % QUIET_SECONDS,
                 lambda: recorder.position() >= quiet_from + int(QUIET_SECONDS * RATE), timeout=15.0)
        after = recorder.samples(quiet_from, quiet_from + int(QUIET_SECONDS * RATE))
        loudest = float(np.max(np.abs(after)))
        check(loudest < SILENT, "sound on the main page: peak %.4f" % loudest)

        session.request_close(window)
        status = session.wait_for_exit()
        check(status == 0, "closing the window ended the game with status %d" % status)


if __name__ == "__main__":
    arguments = standard_arguments(__doc__).parse_args()
    run_test(lambda: listen(arguments))
