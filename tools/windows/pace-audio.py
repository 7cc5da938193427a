#!/usr/bin/env python3
"""Appends its standard input to a file no faster than real time.

The ALSA file plugin in the Wine test environment writes through a null
device, which takes any amount at once. Wine then pads the stream with
silence whenever a player has less than one period queued, and the file
holds more silence than was ever played. Reading the pipe at the sample
rate makes the writes block as a sound card would.

Usage: pace-audio.py FILE [BYTES_PER_SECOND]   (default 176400: 44.1 kHz, 16 bit, stereo)
"""
import fcntl
import os
import sys
import time

F_SETPIPE_SZ = 1031  # from <fcntl.h>; Python names it only from 3.10


def main() -> int:
    rate = int(sys.argv[2]) if len(sys.argv) > 2 else 176400
    chunk = rate // 100  # 10 ms
    try:
        # The smallest pipe buffer: little may be written ahead of time.
        fcntl.fcntl(0, F_SETPIPE_SZ, 4096)
    except OSError:
        pass
    with open(sys.argv[1], "ab", buffering=0) as out:
        start = time.monotonic()
        total = 0
        while True:
            data = os.read(0, chunk)
            if not data:
                return 0
            out.write(data)
            total += len(data)
            ahead = total / rate - (time.monotonic() - start)
            if ahead > 0.02:
                time.sleep(ahead - 0.02)
            elif ahead < -0.5:
                # A pause in playing (the device was idle): start the clock again.
                start, total = time.monotonic(), 0


if __name__ == "__main__":
    sys.exit(main())
