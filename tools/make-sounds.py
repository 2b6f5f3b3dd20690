#!/usr/bin/env python3
"""Writes the editor's opening and closing sounds (short chimes, 8-bit mono PCM)."""
import math, struct, sys, wave

RATE = 11025

def chime(path, notes):
    frames = bytearray()
    for freq, secs in notes:
        n = int(RATE * secs)
        for i in range(n):
            env = math.exp(-4.0 * i / n)
            v = 0.45 * env * math.sin(2 * math.pi * freq * i / RATE)
            frames.append(int(128 + 127 * v))
    with wave.open(path, "wb") as w:
        w.setnchannels(1); w.setsampwidth(1); w.setframerate(RATE)
        w.writeframes(bytes(frames))

out = sys.argv[1] if len(sys.argv) > 1 else "assets/sounds"
chime(f"{out}/Open.wav", [(523.25, 0.12), (659.25, 0.12), (783.99, 0.25)])
chime(f"{out}/End.wav", [(783.99, 0.12), (659.25, 0.12), (523.25, 0.25)])
