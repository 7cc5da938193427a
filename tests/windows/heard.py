#!/usr/bin/env python3
"""What the Wine test environment's audio file holds, for the music tests.

Usage: heard.py RAW FREQUENCY [FROM_FRAME]
Prints "TONE LAST": the seconds of 50 ms slices whose left channel holds
FREQUENCY (within 5 %, counted by zero crossings), and the time in seconds
of the last frame that is not silent, counted from FROM_FRAME (negative
when the sound ended before it). RAW is signed 16-bit little-endian stereo
at 44100 Hz.
"""
import array
import sys

RATE = 44100
SLICE = RATE // 20


def main() -> int:
    samples = array.array("h")
    with open(sys.argv[1], "rb") as raw:
        data = raw.read()
    samples.frombytes(data[: len(data) // 4 * 4])
    if sys.byteorder != "little":
        samples.byteswap()
    frequency = float(sys.argv[2])
    start = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    left = samples[0::2]
    tone_slices = 0
    for begin in range(0, len(left) - SLICE + 1, SLICE):
        part = left[begin : begin + SLICE]
        if max(abs(v) for v in part) < 500:
            continue
        crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
        if abs(crossings / 2 * 20 - frequency) <= frequency * 0.05:
            tone_slices += 1
    last = max((i // 2 for i in range(len(samples)) if samples[i] != 0), default=-1)
    print(f"{tone_slices * SLICE / RATE:.2f} {(last - start) / RATE:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
