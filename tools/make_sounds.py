#!/usr/bin/python3
"""Writes the show's two sounds, sound01.wav and sound02.wav, into trochograph-ss/resources
(or the folder given as the argument):

    /usr/bin/python3 tools/make_sounds.py [FOLDER]

sound01.wav  a soft rising chime, played when F or S changes the drawing speed;
sound02.wav  a muted low bump, played when F or S is pressed at the fastest or slowest
             speed, so that it can't go further.

Both are plain RIFF WAVE files: a 44-byte header (RIFF, a 16-byte fmt chunk, data) and
uncompressed PCM, 2 channels, 16 bits, 44100 frames per second, with a fixed data length
(216,320 and 228,352 bytes). The samples are computed from fixed formulae with no random
numbers, so every run writes the same bytes. After writing, the files are read back and
checked (format, length, peak level, DC offset, silence at both ends); the script prints
one line per file and exits with status 1 if a check fails.

Standard library only.
"""

import math
import os
import struct
import sys
import wave

RATE = 44100
CHANNELS = 2
SAMPLE_BYTES = 2
FULL_SCALE = 32767

PEAK_DBFS = -6.0          # both sounds are normalised to this peak
END_FRAMES = 32           # this many frames at the end must be exact silence
DC_LIMIT = 0.002          # largest acceptable mean of a channel, as a fraction of full scale

DEFAULT_FOLDER = os.path.join("trochograph-ss", "resources")

# The data lengths are fixed: 54,080 and 57,088 frames of 4 bytes.
SOUND01_BYTES = 216320
SOUND02_BYTES = 228352
FRAME_BYTES = CHANNELS * SAMPLE_BYTES


def note(frequency, start, partials, attack, pan, level=1.0):
    """A struck tone: `partials` are (frequency ratio, amplitude, decay time in seconds).
    The attack is a raised-cosine rise of `attack` seconds, so the tone starts at zero
    with zero slope; `pan` runs from -1 (left) to +1 (right) at constant power."""
    angle = (pan + 1.0) * math.pi / 4.0
    return {
        "frequency": frequency, "start": start, "partials": partials, "attack": attack,
        "left": level * math.cos(angle) * math.sqrt(2.0),
        "right": level * math.sin(angle) * math.sqrt(2.0),
        "glide": None,
    }


def render(frames, notes, fade_start, fade_end):
    """Mixes the notes into two float channels of `frames` frames. A half-cosine fade from
    `fade_start` to `fade_end` (seconds) closes the sound; everything after it is silence."""
    left = [0.0] * frames
    right = [0.0] * frames
    last = min(frames, int(round(fade_end * RATE)))
    fade_first = int(round(fade_start * RATE))
    for n in notes:
        first = int(round(n["start"] * RATE))
        attack_frames = max(1, int(round(n["attack"] * RATE)))
        glide = n["glide"]
        phases = [0.0] * len(n["partials"])
        for i in range(first, last):
            t = (i - first) / RATE
            if i - first < attack_frames:
                rise = 0.5 - 0.5 * math.cos(math.pi * (i - first) / attack_frames)
            else:
                rise = 1.0
            # An optional glide bends the pitch from ratio `g0` down to 1 over `tau` seconds.
            bend = 1.0 if glide is None else 1.0 + (glide[0] - 1.0) * math.exp(-t / glide[1])
            value = 0.0
            for k, (ratio, amplitude, decay) in enumerate(n["partials"]):
                value += amplitude * math.exp(-t / decay) * math.sin(phases[k])
                phases[k] += 2.0 * math.pi * n["frequency"] * ratio * bend / RATE
            value *= rise
            left[i] += n["left"] * value
            right[i] += n["right"] * value
    for i in range(fade_first, frames):
        if i >= last:
            gain = 0.0
        else:
            gain = 0.5 + 0.5 * math.cos(math.pi * (i - fade_first) / (last - fade_first))
        left[i] *= gain
        right[i] *= gain
    return left, right


def chime():
    """sound01: G5 then C6, a rising fourth, each a bell-like tone of a fundamental, a
    slightly stretched octave and a faint twelfth that fade faster the higher they are.
    The first note sits a little left, the second a little right."""
    bell = [(1.0, 1.0, 0.42), (2.005, 0.32, 0.20), (3.01, 0.10, 0.09)]
    notes = [
        note(783.99, 0.000, bell, attack=0.006, pan=-0.25, level=0.80),
        note(1046.50, 0.115, bell, attack=0.006, pan=0.25, level=1.00),
    ]
    return render(SOUND01_BYTES // FRAME_BYTES, notes, fade_start=0.80, fade_end=1.15)


def bump():
    """sound02: two muted low tones falling a fourth, G3 then D3, each with only weak
    harmonics that die quickly, and under the first a soft thud: a low sine that slides
    down from 150 Hz to 90 Hz within a few hundredths of a second."""
    muted = [(1.0, 1.0, 0.22), (2.0, 0.22, 0.05), (3.0, 0.05, 0.025)]
    thud = note(90.0, 0.000, [(1.0, 0.9, 0.07)], attack=0.004, pan=0.0)
    thud["glide"] = (150.0 / 90.0, 0.025)
    notes = [
        thud,
        note(196.00, 0.000, muted, attack=0.010, pan=0.0, level=0.85),
        note(146.83, 0.150, muted, attack=0.010, pan=0.0, level=0.75),
    ]
    return render(SOUND02_BYTES // FRAME_BYTES, notes, fade_start=0.70, fade_end=1.10)


def to_pcm(left, right):
    """Scales the channels to the target peak and interleaves them as 16-bit samples."""
    peak = max(max(abs(v) for v in left), max(abs(v) for v in right))
    scale = FULL_SCALE * 10.0 ** (PEAK_DBFS / 20.0) / peak
    samples = []
    for a, b in zip(left, right):
        samples.append(int(round(a * scale)))
        samples.append(int(round(b * scale)))
    return struct.pack("<%dh" % len(samples), *samples)


def write_wave(path, data):
    """A 44-byte canonical header and the samples, nothing else."""
    block = CHANNELS * SAMPLE_BYTES
    header = struct.pack(
        "<4sI4s4sIHHIIHH4sI",
        b"RIFF", 36 + len(data), b"WAVE",
        b"fmt ", 16, 1, CHANNELS, RATE, RATE * block, block, 8 * SAMPLE_BYTES,
        b"data", len(data))
    with open(path, "wb") as f:
        f.write(header)
        f.write(data)


def check(path, data_bytes):
    """Reads a file back and returns (summary line, list of problems)."""
    problems = []
    name = os.path.basename(path)
    frames_expected = data_bytes // FRAME_BYTES
    with open(path, "rb") as f:
        raw = f.read()
    if len(raw) != 44 + data_bytes:
        problems.append("file is %d bytes, expected %d" % (len(raw), 44 + data_bytes))
    fields = struct.unpack("<4sI4s4sIHHIIHH4sI", raw[:44])
    if (fields[0], fields[2], fields[3], fields[4], fields[5], fields[11]) != (
            b"RIFF", b"WAVE", b"fmt ", 16, 1, b"data"):
        problems.append("header is not RIFF/WAVE, 16-byte PCM fmt, data")
    if fields[1] != len(raw) - 8 or fields[12] != data_bytes:
        problems.append("chunk sizes %d/%d don't match the file" % (fields[1], fields[12]))

    with wave.open(path, "rb") as w:
        channels, width, rate, frames = (w.getnchannels(), w.getsampwidth(),
                                         w.getframerate(), w.getnframes())
        pcm = w.readframes(frames)
    if (channels, width, rate, frames) != (CHANNELS, SAMPLE_BYTES, RATE, frames_expected):
        problems.append("format %d ch, %d bytes, %d Hz, %d frames" % (channels, width, rate,
                                                                      frames))
    samples = struct.unpack("<%dh" % (len(pcm) // 2), pcm)
    left, right = samples[0::2], samples[1::2]

    peak = max(abs(s) for s in samples)
    peak_dbfs = 20.0 * math.log10(peak / FULL_SCALE) if peak else float("-inf")
    if abs(peak_dbfs - PEAK_DBFS) > 0.1:
        problems.append("peak %.2f dBFS" % peak_dbfs)
    dc = [sum(c) / len(c) for c in (left, right)]
    if max(abs(d) for d in dc) > DC_LIMIT * FULL_SCALE:
        problems.append("DC offset %.1f/%.1f" % tuple(dc))
    if samples[0] != 0 or samples[1] != 0:
        problems.append("doesn't start at zero")
    if any(s != 0 for s in samples[-END_FRAMES * CHANNELS:]):
        problems.append("doesn't end in silence")
    # The first 2 ms stay well below the peak: the attack is soft, not a click.
    onset = max(abs(s) for s in samples[:int(0.002 * RATE) * CHANNELS])
    if onset > peak / 2:
        problems.append("hard attack (%d in the first 2 ms)" % onset)
    audible = max(i for i, s in enumerate(samples) if s != 0) // CHANNELS + 1

    summary = ("%s: %d ch, %d bit, %d Hz, %d frames (%.3f s), %d data bytes, peak %.2f dBFS, "
               "DC %+.2f/%+.2f LSB, starts at 0, sound until %.3f s then silence%s" % (
                   name, channels, 8 * width, rate, frames, frames / rate, len(pcm), peak_dbfs,
                   dc[0], dc[1], audible / RATE, "" if not problems else
                   " -- FAILED: " + "; ".join(problems)))
    return summary, problems


def main(argv):
    folder = argv[1] if len(argv) > 1 else DEFAULT_FOLDER
    os.makedirs(folder, exist_ok=True)
    failed = False
    for name, make, data_bytes in (("sound01.wav", chime, SOUND01_BYTES),
                                   ("sound02.wav", bump, SOUND02_BYTES)):
        left, right = make()
        path = os.path.join(folder, name)
        write_wave(path, to_pcm(left, right))
        summary, problems = check(path, data_bytes)
        print(summary)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
