#!/usr/bin/python3
"""Synthesises the program's sound effects into resources/AUDIO.

Each effect is built from sine partials, envelopes and a little filtered noise, faded in and out
over a few milliseconds (no click at either end), peak-normalised below full scale and written as
PCM WAVE at its own rate and sample width. Random parts use fixed seeds, so every run writes the
same files. Each written file is read back and verified.

Usage: make_effects.py [resources-dir]
"""
import os
import sys
import wave

import numpy as np

MAX_SECONDS = 1.5
FADE_IN_MS = 4
FADE_OUT_MS = 60       # ringing sounds die away instead of stopping; short sounds use a quarter


def times(rate, seconds):
    return np.arange(int(rate * seconds)) / rate


def bell(rate, seconds, fundamental, decay):
    """A struck bell: inharmonic partials, the higher ones dying away sooner."""
    t = times(rate, seconds)
    partials = [(1.0, 1.0), (2.0, 0.5), (2.76, 0.35), (5.40, 0.18), (8.93, 0.08)]
    out = np.zeros_like(t)
    for ratio, gain in partials:
        if fundamental * ratio < rate / 2.2:
            out += gain * np.sin(2 * np.pi * fundamental * ratio * t) * np.exp(-t * decay * ratio ** 0.7)
    attack = np.minimum(1.0, t / 0.002)
    return out * attack


def note(rate, seconds, frequency, decay, attack=0.004,
         harmonics=((1, 1.0), (2, 0.25), (3, 0.08))):
    """A soft mallet note (marimba-like): a few harmonics under an exponential decay."""
    t = times(rate, seconds)
    out = sum(g * np.sin(2 * np.pi * frequency * h * t) for h, g in harmonics)
    return release(rate, out * np.exp(-t * decay) * np.minimum(1.0, t / attack))


def release(rate, sound, ms=25):
    """Lets the end of a sound die away smoothly instead of stopping it dead."""
    n = min(len(sound), int(rate * ms / 1000))
    sound[-n:] *= 0.5 + 0.5 * np.cos(np.linspace(0.0, np.pi, n))
    return sound


def place(total, start, rate, sound):
    i = int(start * rate)
    end = min(len(total), i + len(sound))
    total[i:end] += sound[:end - i]


def bell_high(rate):
    return bell(rate, 1.2, 1568.0, 4.0)


def bell_low(rate):
    return bell(rate, 1.4, 523.25, 3.0)


def bubbles(rate):
    """Bubbles rising through water: short upward chirps scattered over both channels."""
    rng = np.random.default_rng(7)
    starts = np.sort(rng.uniform(0.0, 1.0, 14))
    starts -= starts[0] - 0.01
    lengths = rng.uniform(0.04, 0.09, len(starts))
    seconds = max(starts + lengths) + 0.03
    left = np.zeros(int(rate * seconds))
    right = np.zeros_like(left)
    for start, length in zip(starts, lengths):
        f0 = rng.uniform(350, 900)
        t = times(rate, length)
        # pitch rises as the bubble's resonance climbs; phase is the integral of the frequency
        freq = f0 * (1 + 1.8 * t / length)
        phase = 2 * np.pi * np.cumsum(freq) / rate
        chirp = np.sin(phase) * np.sin(np.pi * t / length) ** 2 * rng.uniform(0.4, 1.0)
        pan = rng.uniform(0.1, 0.9)
        place(left, start, rate, chirp * np.sqrt(1 - pan))
        place(right, start, rate, chirp * np.sqrt(pan))
    return np.stack([left, right], axis=1)


def button(rate):
    """A bright two-step blip for a right letter."""
    total = np.zeros(int(rate * 0.22))
    place(total, 0.0, rate, note(rate, 0.1, 987.77, 30))
    place(total, 0.06, rate, note(rate, 0.16, 1318.5, 25))
    return total


def click(rate):
    """A short soft tick: a damped high tone over a burst of smoothed noise."""
    rng = np.random.default_rng(3)
    t = times(rate, 0.035)
    tick = np.sin(2 * np.pi * 2200 * t) * np.exp(-t * 250)
    noise = np.convolve(rng.standard_normal(len(t)), np.ones(4) / 4, mode="same")
    return tick + 0.3 * noise * np.exp(-t * 400)


def loose(rate):
    """A gentle "try again": three soft notes going down, the last one sliding lower."""
    total = np.zeros(int(rate * 1.1))
    place(total, 0.0, rate, note(rate, 0.3, 523.25, 7, attack=0.015))
    place(total, 0.22, rate, note(rate, 0.3, 440.0, 7, attack=0.015))
    t = times(rate, 0.65)
    freq = 349.23 * (1 - 0.08 * np.minimum(1.0, t / 0.5))
    phase = 2 * np.pi * np.cumsum(freq) / rate
    last = (np.sin(phase) + 0.25 * np.sin(2 * phase)) * np.exp(-t * 4) * np.minimum(1.0, t / 0.015)
    place(total, 0.44, rate, release(rate, last))
    return total


def pop(rate):
    """A cork-like pop: a fast downward sweep with a tiny noise burst at its start."""
    rng = np.random.default_rng(5)
    t = times(rate, 0.09)
    freq = 150 + 650 * np.exp(-t * 60)
    phase = 2 * np.pi * np.cumsum(freq) / rate
    body = np.sin(phase) * np.exp(-t * 45)
    burst = rng.standard_normal(len(t)) * np.exp(-t * 600) * 0.4
    return body + burst


def win(rate):
    """A cheerful rising jingle: C E G C arpeggio, then the top chord ringing."""
    total = np.zeros(int(rate * 1.3))
    notes = [(0.0, 523.25), (0.11, 659.26), (0.22, 783.99), (0.33, 1046.5)]
    for start, frequency in notes:
        place(total, start, rate, note(rate, 0.35, frequency, 9))
    for frequency in (1046.5, 1318.5, 1568.0):
        place(total, 0.48, rate, 0.5 * note(rate, 0.8, frequency, 4.5))
    return total


# name: (maker, sample rate, bytes per sample, peak in dBFS)
EFFECTS = {
    "BELLHIGH": (bell_high, 44100, 2, -3.0),
    "BELLLOW": (bell_low, 22050, 2, -3.0),
    "BUBBLES": (bubbles, 22050, 2, -4.0),
    "BUTTON": (button, 22050, 2, -4.0),
    "CLICK": (click, 22050, 1, -6.0),
    "LOOSE": (loose, 22050, 2, -4.0),
    "POP": (pop, 11025, 1, -4.0),
    "WIN": (win, 44100, 2, -3.0),
}


def finish(samples, rate, peak_dbfs):
    """Fades both ends and scales the peak to peak_dbfs."""
    samples = samples.reshape(len(samples), -1).astype(np.float64)
    fade_in = int(rate * FADE_IN_MS / 1000)
    samples[:fade_in] *= np.linspace(0.0, 1.0, fade_in)[:, None]
    fade_out = min(int(rate * FADE_OUT_MS / 1000), len(samples) // 4)
    samples[-fade_out:] *= (0.5 + 0.5 * np.cos(np.linspace(0.0, np.pi, fade_out)))[:, None]
    return samples * (10 ** (peak_dbfs / 20) / np.max(np.abs(samples)))


def encode(samples, width):
    if width == 1:   # 8-bit WAVE is unsigned, silence at 128
        return (np.round(samples * 127) + 128).astype(np.uint8).tobytes()
    return np.round(samples * 32767).astype("<i2").tobytes()


def write(path, samples, rate, width):
    with wave.open(path, "wb") as w:
        w.setnchannels(samples.shape[1])
        w.setsampwidth(width)
        w.setframerate(rate)
        w.writeframes(encode(samples, width))


def verify(path, rate, width, channels):
    with open(path, "rb") as f:
        data = f.read()
    if data[0:4] != b"RIFF" or data[8:16] != b"WAVEfmt " or int.from_bytes(data[20:22], "little") != 1:
        raise ValueError(f"{path}: not a PCM RIFF WAVE")
    with wave.open(path, "rb") as w:
        if (w.getframerate(), w.getsampwidth(), w.getnchannels()) != (rate, width, channels):
            raise ValueError(f"{path}: wrong format")
        frames = w.readframes(w.getnframes())
        seconds = w.getnframes() / rate
    if width == 1:
        s = (np.frombuffer(frames, dtype=np.uint8).astype(np.float64) - 128) / 128
    else:
        s = np.frombuffer(frames, dtype="<i2").astype(np.float64) / 32768
    if seconds > MAX_SECONDS:
        raise ValueError(f"{path}: {seconds:.2f} s is too long")
    peak = np.max(np.abs(s))
    if peak >= 0.99:
        raise ValueError(f"{path}: clipped")
    if abs(s[0]) > 0.01 or abs(s[-1]) > 0.01:
        raise ValueError(f"{path}: starts or ends away from silence")
    return seconds, 20 * np.log10(peak)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
    out = os.path.join(root, "AUDIO")
    os.makedirs(out, exist_ok=True)
    for name, (maker, rate, width, peak) in EFFECTS.items():
        samples = finish(maker(rate), rate, peak)
        path = os.path.join(out, name + ".wav")
        write(path, samples, rate, width)
        seconds, measured = verify(path, rate, width, samples.shape[1])
        print(f"{name}.wav  {rate} Hz  {8 * width}-bit  {samples.shape[1]} ch  {seconds:.2f} s"
              f"  peak {measured:.1f} dBFS")


if __name__ == "__main__":
    main()
