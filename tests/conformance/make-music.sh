#!/usr/bin/env bash
# Makes the music files of the MCI conformance cases in DIR: tone.wav (a
# 440 Hz tone of 1.5 s, 16-bit stereo at 44.1 kHz), tone.mp3 (the same at
# 128 kbit/s) and "two words.wav" (a copy, for a path with a blank).
# Usage: make-music.sh DIR
set -euo pipefail
dir=$1
mkdir -p "$dir"
python3 - "$dir/tone.wav" <<'PY'
import math, struct, sys, wave
rate, seconds = 44100, 1.5
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(rate)
    frames = bytearray()
    for i in range(int(rate * seconds)):
        sample = int(8000 * math.sin(2 * math.pi * 440 * i / rate))
        frames += struct.pack("<hh", sample, sample)
    out.writeframes(bytes(frames))
PY
lame --quiet -b 128 "$dir/tone.wav" "$dir/tone.mp3"
cp "$dir/tone.wav" "$dir/two words.wav"
