#!/usr/bin/python3
"""Synthesises the spoken letters (resources/LETTERS) and words (resources/WORDS).

Voice: festival with the HTS voice cmu_us_slt_arctic_hts, one festival session a round.
festival's HTS module has no volume setting, so a clip that reaches full scale (clipped inside the
synthesiser) is synthesised again at slightly different speaking rates, then with alternative
pronunciations of the same sounds; if every attempt clips, espeak-ng speaks it instead.

Every clip is resampled to 44100 Hz, peak-normalised to PEAK_DBFS, trimmed to TRIM_KEEP_MS of
silence at each end, faded over FADE_MS at both ends and written as 16-bit mono PCM WAVE.
Each written file is read back and verified; any failure stops the generator.

Usage: make_recordings.py [resources-dir] [--only KEY ...]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import wave

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_tables  # noqa: E402

RATE = 44100
PEAK_DBFS = -3.0
SILENCE_DBFS = -45.0      # below this (relative to full scale) a sample counts as silence
TRIM_KEEP_MS = 20         # silence kept before the first and after the last sound
TRIM_LIMIT_MS = 30        # what the verification allows
FADE_MS = 5
FESTIVAL_RATES = [1.0, 0.97, 1.03, 0.94, 1.06]   # speaking rates tried in turn against clipping

# What festival is asked to say for a letter: "A" alone is read as the article.
LETTER_TEXT = {"A": "Ay"}

# Pronunciations the voice's American dictionary lacks or gets wrong (CMU phone set).
LEXICON = [
    ("aubergine", "(((ow) 1) ((b er) 0) ((zh iy n) 0))"),
    ("courgette", "(((k uh r) 0) ((zh eh t) 1))"),
    ("jewellery", "(((jh uw) 1) ((ax l) 0) ((r iy) 0))"),
    ("wallaby", "(((w aa) 1) ((l ax) 0) ((b iy) 0))"),
    ("yoghurt", "(((y ow) 1) ((g er t) 0))"),
    ("kookaburra", "(((k uh) 1) ((k ax) 0) ((b ah) 2) ((r ax) 0))"),
    ("iguana", "(((ih) 0) ((g w aa) 1) ((n ax) 0))"),
]

# Pronunciations of the same sounds tried when a word clips inside the synthesiser at every rate.
ALTERNATE_PRONUNCIATIONS = {
    "hyena": ["(((hh ay) 0) ((iy) 1) ((n ah) 0))"],
    "umbrella": ["(((ax m) 0) ((b r eh) 1) ((l ah) 0))", "(((ah m) 0) ((b r eh) 1) ((l ax) 0))"],
}


def clips():
    """(folder, key, text to speak) for the 26 letters and the 165 words."""
    result = [("LETTERS", c, LETTER_TEXT.get(c, c)) for c in make_tables.LETTERS]
    texts = {}
    for word in spoken_words():
        texts.setdefault(make_tables.word_key(word), word)
    keys = make_tables.all_word_keys()
    assert sorted(texts) == keys, "spoken words and word keys disagree"
    result += [("WORDS", key, texts[key]) for key in keys]
    return result


def spoken_words():
    """Every word of every table, the letters tables first (their capitalisation reads best)."""
    words = [w for ws in make_tables.ENG_LETTER_WORDS.values() for w in ws]
    words += [w for ws in make_tables.us_letter_words().values() for w in ws]
    for _, eng, us in make_tables.SUBJECTS:
        words += eng + (us or [])
    return words


def festival_script(items, speed, variant, out_dir):
    lines = ["(voice_cmu_us_slt_arctic_hts)",
             f"(set! hts_engine_params (append hts_engine_params (list '(\"-r\" {speed}))))"]
    lines += [lexicon_entry(w, p) for w, p in LEXICON]
    for _, key, text in items:
        if variant > 0:
            word = text.lower()
            lines.append(lexicon_entry(word, ALTERNATE_PRONUNCIATIONS[word][variant - 1]))
        path = os.path.join(out_dir, key + ".wav")
        lines.append(f'(wave.save (utt.wave (SynthText "{text}")) "{path}" \'riff)')
    return "\n".join(lines) + "\n"


def lexicon_entry(word, phones):
    return f'(lex.add.entry \'("{word}" n {phones}))'


def run_festival(items, speed, variant, out_dir):
    script = os.path.join(out_dir, "synth.scm")
    with open(script, "w") as f:
        f.write(festival_script(items, speed, variant, out_dir))
    subprocess.run(["festival", "-b", script], check=True)


def run_espeak(text, path):
    subprocess.run(["espeak-ng", "-v", "en-us", "-s", "150", "-w", path, text], check=True)


def read_pcm16(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2:
            raise ValueError(f"{path}: not 16-bit")
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
        return data.reshape(-1, w.getnchannels())[:, 0].astype(np.float64), w.getframerate()


def is_clipped(samples):
    return bool(np.any(samples >= 32767) or np.any(samples <= -32768))


def resample_float(path):
    """The clip at RATE as floats in [-1, 1], resampled by sox."""
    raw = subprocess.run(["sox", path, "-t", "f32", "-c", "1", "-", "rate", "-v", str(RATE)],
                         check=True, capture_output=True).stdout
    return np.frombuffer(raw, dtype="<f4").astype(np.float64)


def shape(samples):
    """Normalises the peak, trims the silence at both ends and fades the ends."""
    clip = samples * (10 ** (PEAK_DBFS / 20) / np.max(np.abs(samples)))
    loud = np.nonzero(np.abs(clip) > 10 ** (SILENCE_DBFS / 20))[0]
    if len(loud) == 0:
        raise ValueError("clip is silent")
    keep = int(RATE * TRIM_KEEP_MS / 1000)
    clip = clip[max(0, loud[0] - keep):loud[-1] + 1 + keep].copy()
    fade = int(RATE * FADE_MS / 1000)   # shorter than the kept silence: the sound is untouched
    ramp = np.linspace(0.0, 1.0, fade)
    clip[:fade] *= ramp
    clip[-fade:] *= ramp[::-1]
    return np.round(clip * 32767).astype("<i2")


def write_wave(path, pcm):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def verify(path):
    """Reads the written file back: format, rate, channels, peak and trimmed silence."""
    with open(path, "rb") as f:
        head = f.read(44)
    if head[0:4] != b"RIFF" or head[8:16] != b"WAVEfmt ":
        raise ValueError(f"{path}: not a RIFF WAVE")
    fmt = int.from_bytes(head[20:22], "little")
    channels = int.from_bytes(head[22:24], "little")
    rate = int.from_bytes(head[24:28], "little")
    bits = int.from_bytes(head[34:36], "little")
    if (fmt, channels, rate, bits) != (1, 1, RATE, 16):
        raise ValueError(f"{path}: format {fmt}, {channels} ch, {rate} Hz, {bits} bit")
    samples, _ = read_pcm16(path)
    samples /= 32768.0
    peak = np.max(np.abs(samples))
    if not 10 ** ((PEAK_DBFS - 0.2) / 20) <= peak <= 10 ** ((PEAK_DBFS + 0.2) / 20):
        raise ValueError(f"{path}: peak {20 * np.log10(peak):.2f} dBFS")
    loud = np.nonzero(np.abs(samples) > 10 ** (SILENCE_DBFS / 20))[0]
    lead_ms = loud[0] / RATE * 1000
    tail_ms = (len(samples) - 1 - loud[-1]) / RATE * 1000
    if lead_ms > TRIM_LIMIT_MS or tail_ms > TRIM_LIMIT_MS:
        raise ValueError(f"{path}: silence {lead_ms:.0f} ms / {tail_ms:.0f} ms")
    duration = len(samples) / RATE
    if not 0.15 <= duration <= 2.5:
        raise ValueError(f"{path}: duration {duration:.2f} s")
    rms = np.sqrt(np.mean(samples ** 2))
    return duration, 20 * np.log10(peak), 20 * np.log10(rms)


def attempts():
    """(pronunciation variant, speaking rate) in the order they are tried."""
    variants = 1 + max(len(v) for v in ALTERNATE_PRONUNCIATIONS.values())
    return [(v, r) for v in range(variants) for r in FESTIVAL_RATES]


def synthesise(items, work):
    """Raw clip path and its source for every item; a clipped clip is tried again."""
    sources = {}
    pending = list(items)
    for variant, speed in attempts():
        batch = [i for i in pending
                 if variant == 0 or len(ALTERNATE_PRONUNCIATIONS.get(i[2].lower(), [])) >= variant]
        if not batch:
            continue
        out = os.path.join(work, f"festival-{variant}-{speed}")
        os.makedirs(out)
        run_festival(batch, speed, variant, out)
        for item in batch:
            path = os.path.join(out, item[1] + ".wav")
            samples, _ = read_pcm16(path)
            if is_clipped(samples):
                print(f"  {item[0]}/{item[1]}: clipped (pronunciation {variant}, rate {speed})")
            else:
                sources[item[1], item[0]] = (
                    path, f"festival slt-hts, pronunciation {variant}, rate {speed}")
                pending.remove(item)
    for item in pending:
        path = os.path.join(work, f"espeak-{item[1]}.wav")
        run_espeak(item[2], path)
        samples, _ = read_pcm16(path)
        if is_clipped(samples):
            sys.exit(f"make_recordings: {item[0]}/{item[1]} clipped by every voice")
        sources[item[1], item[0]] = (path, "espeak-ng en-us")
    return sources


def main():
    args = sys.argv[1:]
    only = set()
    if "--only" in args:
        i = args.index("--only")
        only = set(a.upper() for a in args[i + 1:])
        args = args[:i]
    root = args[0] if args else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
    for tool in ("festival", "sox", "espeak-ng"):
        if not shutil.which(tool):
            sys.exit(f"make_recordings: {tool} is not installed")
    items = [c for c in clips() if not only or c[1] in only]
    work = tempfile.mkdtemp(prefix="qby-voice-")
    try:
        sources = synthesise(items, work)
        for folder, key, text in items:
            raw, source = sources[key, folder]
            os.makedirs(os.path.join(root, folder), exist_ok=True)
            path = os.path.join(root, folder, key + ".wav")
            write_wave(path, shape(resample_float(raw)))
            duration, peak, rms = verify(path)
            print(f"{folder}/{key}.wav  {text!r:22} {duration:5.2f} s  peak {peak:5.1f} dBFS"
                  f"  rms {rms:5.1f} dBFS  {source}")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
