#!/usr/bin/env python3
"""Generates the game's seven sound cues as 22050 Hz 16-bit mono WAV files.

Every cue is synthesised from sine tones and a deterministic noise source, so running the
script again gives the same bytes. Usage: tools/make_sounds.py [output folder], by default
the sound/ folder beside tools/.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.6  # loudest sample as a fraction of full scale: cues should not startle


def note(name):
    """Frequency in Hz of a note such as 'A4' or 'C#5' (equal temperament, A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semitone -= 1
        rest = rest[1:]
    semitone += (int(rest) - 4) * 12
    return 440.0 * 2 ** (semitone / 12)


class Noise:
    """A small linear congruential generator: the same noise on every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def tone(freq, seconds, decay=6.0, harmonics=(1.0, 0.3, 0.1), vibrato=0.0, attack=0.01):
    """A plucked or bell-like tone: a few harmonics under an exponential decay."""
    out = []
    phase = 0.0
    for i in range(int(seconds * RATE)):
        t = i / RATE
        f = freq * (1 + vibrato * math.sin(2 * math.pi * 5.5 * t))
        phase += 2 * math.pi * f / RATE
        value = sum(a * math.sin((k + 1) * phase) for k, a in enumerate(harmonics))
        envelope = min(1.0, t / attack) * math.exp(-decay * t)
        out.append(value * envelope)
    return out


def glide(start, end, seconds, decay=10.0):
    """A tone whose pitch slides from start to end Hz: the shape of a gulp."""
    out = []
    phase = 0.0
    n = int(seconds * RATE)
    for i in range(n):
        t = i / RATE
        f = start * (end / start) ** (i / n)
        phase += 2 * math.pi * f / RATE
        envelope = min(1.0, t / 0.008) * math.exp(-decay * t)
        out.append((math.sin(phase) + 0.25 * math.sin(2 * phase)) * envelope)
    return out


def filtered_noise(seconds, noise, cutoff_from, cutoff_to, shape):
    """Noise through a one-pole low-pass filter whose cutoff sweeps; shape(x) is the
    envelope over the position x in 0..1."""
    out = []
    n = int(seconds * RATE)
    low = 0.0
    for i in range(n):
        x = i / n
        cutoff = cutoff_from + (cutoff_to - cutoff_from) * x
        alpha = 1 - math.exp(-2 * math.pi * cutoff / RATE)
        low += alpha * (noise.next() - low)
        out.append(low * shape(x))
    return out


def mix(*parts):
    """Adds (offset in seconds, samples) parts into one track."""
    length = max(int(offset * RATE) + len(samples) for offset, samples in parts)
    out = [0.0] * length
    for offset, samples in parts:
        start = int(offset * RATE)
        for i, value in enumerate(samples):
            out[start + i] += value
    return out


def finish(samples):
    """Scales to the common peak and fades the ends so that no cue clicks."""
    loudest = max(abs(v) for v in samples) or 1.0
    fade = int(0.005 * RATE)
    out = []
    for i, value in enumerate(samples):
        edge = min(1.0, i / fade, (len(samples) - 1 - i) / fade)
        out.append(value / loudest * PEAK * edge)
    return out


def zapusk():
    """Start of an action: a bright rising arpeggio."""
    notes = ["C5", "E5", "G5", "C6"]
    parts = [(i * 0.08, tone(note(n), 0.35, decay=9.0)) for i, n in enumerate(notes)]
    return mix(*parts)


def perexod():
    """Tab switch: a soft whoosh that opens up and fades."""
    return filtered_noise(0.32, Noise(7), 300, 2500, lambda x: math.sin(math.pi * x) ** 2)


def drink():
    """Drinking: three gulps, each lower than the one before."""
    gulps = [(0.0, glide(520, 220, 0.16)), (0.2, glide(470, 200, 0.16)), (0.4, glide(420, 170, 0.2))]
    return mix(*gulps)


def eat():
    """Eating: four crunchy bites of bright, fast-decaying noise."""
    noise = Noise(23)
    bites = []
    for i, start in enumerate([0.0, 0.13, 0.3, 0.42]):
        length = 0.09 + 0.02 * (i % 2)
        bites.append((start, filtered_noise(length, noise, 6000, 2500, lambda x: math.exp(-7 * x) * (1 - 0.5 * x))))
    return mix(*bites)


def med():
    """Medicine: a rattle of pills in a box, then a clear two-note chime."""
    noise = Noise(41)
    clicks = [(t, filtered_noise(0.02, noise, 9000, 9000, lambda x: math.exp(-12 * x))) for t in
              (0.0, 0.05, 0.08, 0.14, 0.17, 0.22)]
    chime = [(0.3, tone(note("E6"), 0.45, decay=5.0, harmonics=(1.0, 0.15))),
             (0.38, tone(note("A6"), 0.42, decay=5.0, harmonics=(1.0, 0.15)))]
    return mix(*[(t, [v * 3.0 for v in s]) for t, s in clicks], *chime)


def dunka():
    """A successful courtship: a short tender melody with a little vibrato."""
    melody = [("E5", 0.0, 0.25), ("G5", 0.18, 0.25), ("A5", 0.36, 0.25), ("C6", 0.54, 0.5), ("A5", 0.78, 0.4)]
    parts = [(start, tone(note(n), length, decay=3.5, harmonics=(1.0, 0.2), vibrato=0.006, attack=0.03))
             for n, start, length in melody]
    parts.append((0.0, [v * 0.35 for v in tone(note("A3"), 1.15, decay=2.0, harmonics=(1.0,), attack=0.05)]))
    return mix(*parts)


def death():
    """A death: a slow, sad tune falling in a minor key over a low drone."""
    melody = [("A4", 0.0, 0.4), ("G4", 0.3, 0.4), ("F4", 0.6, 0.4), ("E4", 0.9, 0.5)]
    parts = [(start, tone(note(n), length, decay=3.0, harmonics=(1.0, 0.4, 0.15), attack=0.02))
             for n, start, length in melody]
    parts.append((0.0, [v * 0.4 for v in tone(note("A2"), 1.4, decay=1.5, harmonics=(1.0, 0.5), attack=0.1)]))
    return mix(*parts)


CUES = {
    "zapusk.wav": zapusk,
    "perexod.wav": perexod,
    "drink.wav": drink,
    "eat.wav": eat,
    "med.wav": med,
    "dunka.wav": dunka,
    "death.wav": death,
}


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, round(v * 32767)))) for v in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                                                "sound")
    os.makedirs(folder, exist_ok=True)
    for name, make in CUES.items():
        samples = finish(make())
        write_wav(os.path.join(folder, name), samples)
        print(f"{name}: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
