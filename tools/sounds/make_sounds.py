#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders Lexipond's sounds: the 165 word recordings, the 26 letter names and
the 8 sound effects.

    make_sounds.py [--out DIR] [--voice VOICE] [--only words,letters,effects]

Words and letters are spoken by an offline speech synthesiser (default: Flite's
"rms" voice), slowed to one calm pace whatever their length, resampled to
44100 Hz, trimmed so that the sound starts at once, and levelled so that every
recording is equally loud.  The effects are synthesised here from sine partials
and filtered noise, then shaped with sox.  Every output is a canonical RIFF PCM
WAV file: 44100 Hz, 16-bit, mono, 44-byte header.

VOICE is one of flite:rms, flite:slt, flite:awb, flite:kal16, festival:slt_hts,
festival:kal, espeak-ng: the others serve to compare voices
(tools/sounds/compare_voices.sh).  lexicon.txt holds pronunciation fixes in
Flite's format; only the Flite voices read it.  A row of words.tsv or
letters.tsv may name one of the FILTERS below, a mild equaliser for that
recording alone.
"""

import argparse
import array
import collections
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile
import wave
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
RATE = 44100
DEFAULT_VOICE = "flite:rms"

# Length limit of the effects (seconds), and the margin kept below it.  Words and
# letters have none: each is said at its pace, however long that makes it.
EFFECT_LIMIT = 0.90
MARGIN = 0.04

# Calm pace: how much slower than the voice's own pace words and letters are
# spoken.
WORD_STRETCH = 1.25
LETTER_STRETCH = 1.15

# Loudness: every recording is brought to this RMS level, measured over its
# sounding 20 ms frames (pauses inside "knife and fork" do not count).  Speech
# peaks stand about 10 to 17 dB above that level, so peaks stay under PEAK_MAX.
SPEECH_LEVEL_DB = -19.0
EFFECT_LEVEL_DB = -21.0
PEAK_MAX_DB = -1.0

# Trimming, done on the levelled sound: it starts PREROLL seconds before the
# first 1 ms frame that reaches START_LEVEL (-36 dBFS; what lies before is
# inaudible next to the word) and ends TAIL seconds after the last 5 ms frame
# above END_DB below the peak.
PREROLL = 0.004
START_LEVEL = 0.016
END_DB = -42.0
TAIL = 0.035

# Per-recording equalisers, named in the fourth column of words.tsv and
# letters.tsv: SoX effects applied to the voice's own output before it is
# resampled, trimmed and levelled.  Each acts on one band by at most 12 dB, so the
# voice keeps its character; which rows use them, and why, is in the tables.
FILTERS = {
    # the band of the upper formants of the front vowels "ee" and "ih"
    "cut-2k4": (["equalizer", 2350, "0.7q", -12], "12 dB cut around 2.35 kHz"),
    # the upper middle of the voice's "f", where it sounds like the start of "ch"
    "cut-3k": (["equalizer", 3000, "1q", -8], "8 dB cut around 3 kHz"),
    # the low end of a voiced start, which sounds like a "b" before a vowel
    "bass-cut": (["bass", -10, 500], "low shelf, 10 dB less below 500 Hz"),
}


# ---------------------------------------------------------------------------
# Tables
# ---------------------------------------------------------------------------
def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            rows.append(line.split("\t"))
    return rows


# ---------------------------------------------------------------------------
# WAV input and output
# ---------------------------------------------------------------------------
def read_mono16(path):
    """Samples of a 16-bit mono WAV file as floats in [-1, 1]."""
    with wave.open(path) as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            raise ValueError("%s: expected 16-bit mono" % path)
        rate = w.getframerate()
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        data.byteswap()
    return [x / 32768.0 for x in data], rate


def write_wav(path, samples):
    """Canonical 44-byte-header RIFF PCM file, 44100 Hz, 16-bit, mono."""
    out = array.array("h", (max(-32767, min(32767, int(round(x * 32767.0)))) for x in samples))
    if sys.byteorder == "big":
        out.byteswap()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(out.tobytes())


def sox(*args):
    subprocess.run(["sox", "-q", "-R"] + [str(a) for a in args], check=True,
                   stdout=subprocess.DEVNULL)


def to_44k(src, dst, extra=()):
    """Resample to 44100 Hz mono 16-bit with a high-pass against DC and rumble;
    the level is first brought to -6 dBFS peak so that resampling cannot clip."""
    sox(src, "-r", RATE, "-c", 1, "-b", 16, "-e", "signed-integer", dst,
        "remix", "-", "gain", "-n", "-6", "highpass", 60, *extra, "rate", "-v", RATE)


# ---------------------------------------------------------------------------
# Measuring and levelling
# ---------------------------------------------------------------------------
def db(x):
    return 20.0 * math.log10(max(x, 1e-12))


def frame_levels(s, frame):
    """(max |x|, rms) of consecutive frames of `frame` samples."""
    out = []
    for i in range(0, len(s), frame):
        f = s[i:i + frame]
        if not f:
            break
        out.append((max(abs(x) for x in f), math.sqrt(sum(x * x for x in f) / len(f))))
    return out


def active_rms(s):
    """RMS over the 20 ms frames within 30 dB of the loudest frame: the level a
    listener hears, whatever the length of the pauses."""
    frame = int(0.020 * RATE)
    levels = [r for _, r in frame_levels(s, frame)]
    if not levels:
        return 0.0
    floor = max(levels) * 10 ** (-30 / 20.0)
    act = [r for r in levels if r >= floor]
    return math.sqrt(sum(r * r for r in act) / len(act))


def trim(s):
    if not s:
        return s
    ms = int(0.001 * RATE)
    first = next((i for i in range(0, len(s), ms)
                  if max(abs(x) for x in s[i:i + ms]) >= START_LEVEL), 0)
    frame = int(0.005 * RATE)
    peaks = [p for p, _ in frame_levels(s, frame)]
    end_th = max(peaks) * 10 ** (END_DB / 20.0)
    last = max(i for i, p in enumerate(peaks) if p >= end_th)
    a = max(0, first - int(PREROLL * RATE))
    b = min(len(s), (last + 1) * frame + int(TAIL * RATE))
    out = s[a:b]
    fade_in = min(int(0.002 * RATE), len(out))
    for i in range(fade_in):
        out[i] *= i / fade_in
    fade_out = min(int(0.025 * RATE), len(out))
    for i in range(fade_out):
        out[len(out) - 1 - i] *= i / fade_out
    return out


def level(s, target_db):
    """Scale to the target active RMS.  Where a peak would then pass PEAK_MAX_DB
    (the hiss of an "s" or "sh" has the highest peaks), the gain dips smoothly for
    a few milliseconds around it instead of the wave being bent, which would add
    clicks across the whole spectrum."""
    g = 10 ** (target_db / 20.0) / max(active_rms(s), 1e-9)
    s = [x * g for x in s]
    ceiling = 10 ** ((PEAK_MAX_DB - 0.5) / 20.0)
    if max(abs(x) for x in s) <= ceiling:
        return s
    return [x * d for x, d in zip(s, gain_dips(s, ceiling))]


def gain_dips(s, ceiling, window=0.006):
    """A gain for every sample that keeps |sample * gain| under the ceiling: the
    least gain any sample within half a window needs, averaged over a window.  Each
    gain is an average of values no greater than the sample's own need, so no peak
    passes, and the gain changes gently over the window's length."""
    n = len(s)
    half = max(1, int(window * RATE / 2))
    need = [min(1.0, ceiling / abs(x)) if x else 1.0 for x in s]
    # least need within [i - half, i + half], by a sliding-window minimum
    least, q = [0.0] * n, collections.deque()
    for j in range(n + half):
        if j < n:
            while q and need[q[-1]] >= need[j]:
                q.pop()
            q.append(j)
        i = j - half
        if i >= 0:
            while q[0] < i - half:
                q.popleft()
            least[i] = need[q[0]]
    # the average of `least` over the same window
    sums = [0.0]
    for v in least:
        sums.append(sums[-1] + v)
    out = []
    for i in range(n):
        a, b = max(0, i - half), min(n, i + half + 1)
        # outside the sound the gain is 1
        total = sums[b] - sums[a] + (2 * half + 1 - (b - a))
        out.append(total / (2 * half + 1))
    return out


def stats(path):
    s, rate = read_mono16(path)
    whole = math.sqrt(sum(x * x for x in s) / len(s)) if s else 0.0
    first = next((i for i, x in enumerate(s) if abs(x) >= 0.01), len(s))
    return {"duration": len(s) / float(rate), "active_db": db(active_rms(s)),
            "rms_db": db(whole), "peak_db": db(max(abs(x) for x in s)),
            "onset_ms": 1000.0 * first / rate}


# ---------------------------------------------------------------------------
# Voices
# ---------------------------------------------------------------------------
class Flite:
    def __init__(self, name, lexicon):
        self.name = name
        self.lexicon = lexicon

    def render(self, jobs):
        """jobs: list of (text, wav path, stretch)."""
        def one(job):
            text, out, stretch = job
            cmd = ["flite", "-voice", self.name, "--setf", "duration_stretch=%.3f" % stretch]
            if self.lexicon:
                cmd += ["-add_lex", self.lexicon]
            cmd += ["-t", text, "-o", out]
            r = subprocess.run(cmd, capture_output=True, text=True)
            if r.returncode != 0 or "not in lexicon phoneset" in r.stdout + r.stderr:
                raise RuntimeError("flite failed for %r: %s" % (text, r.stdout + r.stderr))
        with ThreadPoolExecutor(max_workers=2) as pool:
            list(pool.map(one, jobs))


class Festival:
    VOICES = {"slt_hts": "cmu_us_slt_arctic_hts", "kal": "kal_diphone"}

    def __init__(self, name):
        self.voice = self.VOICES[name]

    def render(self, jobs):
        hts = self.voice.endswith("_hts")
        lines = ["(voice_%s)" % self.voice]
        if hts:
            lines.append("(set! lxp_engine_params hts_engine_params)")
        for text, out, stretch in jobs:
            quoted = text.replace("\\", "\\\\").replace('"', '\\"')
            if hts:  # the HTS engine's speaking rate, the inverse of the stretch
                lines.append('(set! hts_engine_params (append lxp_engine_params '
                             '(list (list "-r" %.3f))))' % (1.0 / stretch))
            else:
                lines.append("(Parameter.set 'Duration_Stretch %.3f)" % stretch)
            lines.append('(utt.save.wave (SynthText "%s") "%s" \'riff)' % (quoted, out))
        with tempfile.NamedTemporaryFile("w", suffix=".scm", delete=False) as fh:
            fh.write("\n".join(lines) + "\n")
            script = fh.name
        try:
            subprocess.run(["festival", "--batch", script], check=True,
                           stdout=subprocess.DEVNULL)
        finally:
            os.remove(script)


class Espeak:
    def render(self, jobs):
        for text, out, stretch in jobs:
            subprocess.run(["espeak-ng", "-v", "en-us", "-s", str(int(round(165 / stretch))),
                            "-w", out, text], check=True)


def make_voice(voice_name, plain=False):
    kind, _, name = voice_name.partition(":")
    lexicon = None if plain else os.path.join(HERE, "lexicon.txt")
    if kind == "flite":
        return Flite(name, lexicon)
    if kind == "festival":
        return Festival(name)
    if kind == "espeak-ng":
        return Espeak()
    raise SystemExit("unknown voice %s" % voice_name)


def speak_all(voice, items, tmp, target_db):
    """items: list of (NAME, text, out path, pace, filter name or "").  Renders each
    at its pace, never faster to make it shorter, with its filter if it has one."""
    voice.render([(text, os.path.join(tmp, name + ".raw.wav"), pace)
                  for name, text, _, pace, _ in items])
    for name, _, out, _, flt in items:
        mid = os.path.join(tmp, name + ".44k.wav")
        to_44k(os.path.join(tmp, name + ".raw.wav"), mid, FILTERS[flt][0] if flt else ())
        s, _ = read_mono16(mid)
        write_wav(out, level(trim(level(s, target_db)), target_db))
    return {name: pace for name, _, _, pace, _ in items}


# ---------------------------------------------------------------------------
# Effects
# ---------------------------------------------------------------------------
def tone(dur, partials, attack=0.004, glide=None):
    """Sum of decaying sine partials: partials = [(freq ratio or Hz, amplitude,
    decay time constant s)].  glide(t) multiplies every frequency at time t."""
    n = int(dur * RATE)
    out = [0.0] * n
    for freq, amp, tau in partials:
        phase = 0.0
        for i in range(n):
            t = i / RATE
            f = freq * (glide(t) if glide else 1.0)
            phase += 2 * math.pi * f / RATE
            env = math.exp(-t / tau) * min(1.0, t / attack)
            out[i] += amp * env * math.sin(phase)
    # a short release, so that no partial stops with a click
    release = min(int(0.012 * RATE), n)
    for i in range(release):
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / release)
    return out


def mix_at(track, part, start):
    i0 = int(start * RATE)
    need = i0 + len(part)
    if len(track) < need:
        track.extend([0.0] * (need - len(track)))
    for i, x in enumerate(part):
        track[i0 + i] += x
    return track


def bell(f0, dur):
    # partials of a struck bell (hum, prime, minor third, fifth, nominal,
    # upper partials): the higher ones ring shorter
    ratios = [(0.5, 0.35, 0.32), (1.0, 1.0, 0.26), (1.19, 0.45, 0.2), (1.5, 0.3, 0.16),
              (2.0, 0.55, 0.14), (2.52, 0.25, 0.1), (3.01, 0.2, 0.08), (4.1, 0.1, 0.05)]
    return tone(dur, [(f0 * r, a, tau) for r, a, tau in ratios], attack=0.002)


def noise(dur, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1, 1) for _ in range(int(dur * RATE))]


def envelope(s, attack, decay):
    for i in range(len(s)):
        t = i / RATE
        s[i] *= min(1.0, t / attack) * math.exp(-t / decay)
    return s


def effect_win():
    # a rising major arpeggio, C5 E5 G5 C6, the last note held: cheerful
    track = []
    notes = [(523.25, 0.00), (659.25, 0.11), (783.99, 0.22), (1046.5, 0.33)]
    for k, (f, t0) in enumerate(notes):
        last = k == len(notes) - 1
        tau = 0.28 if last else 0.16
        n = tone(0.5 if last else 0.3, [(f, 1.0, tau), (2 * f, 0.25, tau * 0.6),
                                       (3 * f, 0.08, tau * 0.4)], attack=0.006)
        mix_at(track, n, t0)
    return track, ["reverb", 25, 50, 40]


def effect_loose():
    # two soft notes falling a minor third and gliding down: gentle "oh-oh"
    track = []
    for f, t0, d in [(392.0, 0.0, 0.32), (329.63, 0.3, 0.5)]:
        glide = (lambda t: 1.0 - 0.06 * min(1.0, t / 0.45)) if t0 else None
        n = tone(d, [(f, 1.0, 0.35), (2 * f, 0.12, 0.2)], attack=0.03, glide=glide)
        mix_at(track, n, t0)
    return track, ["lowpass", 2500]


def effect_click():
    # a card turned over: a short swish of paper, then the soft slap of the card
    swish = noise(0.07, 11)
    for i in range(len(swish)):
        t = i / RATE
        swish[i] *= 0.35 * math.sin(math.pi * t / 0.07) ** 2
    slap = envelope(noise(0.05, 12), 0.0008, 0.008)
    thump = tone(0.05, [(180.0, 0.6, 0.012)], attack=0.0008)
    track = []
    mix_at(track, swish, 0.0)
    mix_at(track, [a + b for a, b in zip(slap, thump)], 0.06)
    return track, ["sinc", "300-6000"]


def effect_button():
    # a soft tap: a short rounded "tock" with a little pitch drop
    glide = lambda t: 1.0 - 0.25 * min(1.0, t / 0.04)
    tap = tone(0.12, [(620.0, 1.0, 0.025), (1240.0, 0.2, 0.012), (150.0, 0.5, 0.02)],
               attack=0.0015, glide=glide)
    return tap, ["lowpass", 4000]


def effect_bellhigh():
    # a bright bell struck twice, the second a fourth higher: ten in a row
    track = []
    mix_at(track, bell(1318.5, 0.85), 0.0)
    mix_at(track, [0.8 * x for x in bell(1760.0, 0.7)], 0.14)
    return track, ["reverb", 20, 50, 30]


def effect_belllow():
    # one low bell (C4), warm and round
    return bell(261.6, 0.86), ["reverb", 20, 50, 30]


def bubble(f0, dur, amp, rise=2.2):
    # a bubble: a sine whose pitch rises quickly as it decays
    glide = lambda t: 1.0 + (rise - 1.0) * (t / dur)
    return tone(dur, [(f0, amp, dur / 2.5)], attack=0.002, glide=glide)


def effect_bubbles():
    rng = random.Random(7)
    track = []
    t = 0.0
    for k in range(11):
        f = rng.uniform(350, 900)
        d = rng.uniform(0.03, 0.06)
        mix_at(track, bubble(f, d, rng.uniform(0.5, 1.0)), t)
        t += rng.uniform(0.045, 0.085)
    return track, ["reverb", 15, 50, 20]


def effect_pop():
    # a single pop: a fast upward chirp with a tiny burst of air
    track = bubble(280.0, 0.07, 1.0, rise=4.0)
    air = envelope(noise(0.02, 5), 0.0005, 0.004)
    mix_at(track, [0.3 * x for x in air], 0.0)
    return track, ["lowpass", 5000]


EFFECTS = {
    "BELLHIGH": (effect_bellhigh, "bright bell struck twice, E6 then A6"),
    "BELLLOW": (effect_belllow, "low bell, C4"),
    "BUBBLES": (effect_bubbles, "eleven small bubbles rising in pitch"),
    "BUTTON": (effect_button, "soft short tap"),
    "CLICK": (effect_click, "a card turned over: paper swish and soft slap"),
    "LOOSE": (effect_loose, "two soft notes falling, G4 to E4"),
    "POP": (effect_pop, "a single bubble pop"),
    "WIN": (effect_win, "rising major arpeggio C5 E5 G5 C6"),
}


def make_effect(name, out, tmp):
    samples, shaping = EFFECTS[name][0]()
    peak = max(abs(x) for x in samples)
    raw = os.path.join(tmp, name + ".fx.wav")
    write_wav(raw, [0.5 * x / peak for x in samples])
    mid = os.path.join(tmp, name + ".fx44.wav")
    to_44k(raw, mid, shaping)
    s, _ = read_mono16(mid)
    s = trim(level(s, EFFECT_LEVEL_DB))
    limit = EFFECT_LIMIT - MARGIN
    if len(s) > limit * RATE:
        s = s[:int(limit * RATE)]
        fade = int(0.06 * RATE)
        for i in range(fade):
            s[len(s) - 1 - i] *= i / fade
    write_wav(out, level(s, EFFECT_LEVEL_DB))


# ---------------------------------------------------------------------------
# Tables of what is spoken, and the credits
# ---------------------------------------------------------------------------
def speech_rows(part, default_pace, plain):
    """(NAME, text, pace, filter) of the words or letters table.  An optional third
    column sets the pace of that row, a fourth names one of FILTERS (both ignored
    with --plain, which compares voices on equal terms)."""
    rows = []
    for fields in read_table(os.path.join(HERE, part + ".tsv")):
        fields += [""] * (4 - len(fields))
        pace = float(fields[2]) if fields[2] and not plain else default_pace
        flt = fields[3] if not plain else ""
        if flt and flt not in FILTERS:
            raise SystemExit("%s.tsv: %s names an unknown filter %r" % (part, fields[0], flt))
        rows.append((fields[0], fields[1], pace, flt))
    return rows


VOICE_SOURCES = {
    "flite:rms": ("flite", "Flite voice cmu_us_rms"),
    "flite:slt": ("flite", "Flite voice cmu_us_slt"),
    "flite:awb": ("flite", "Flite voice cmu_us_awb"),
    "flite:kal16": ("flite", "Flite voice cmu_us_kal16"),
}
SOURCE_LICENCES = {
    "flite": "CMU-Flite (BSD-style)",
    "lexipond-sounds": "own-work",
}


def write_credits(path, out_root):
    rel = os.path.relpath(out_root, ROOT)
    lines = ["file\tsource\tlicence\tnotes"]
    for part, folder in (("words", "WORDS"), ("letters", "LETTERS")):
        for name, text, _, flt in speech_rows(part, 1.0, False):
            source, what = VOICE_SOURCES[DEFAULT_VOICE]
            said = "the letter %s" % name if folder == "LETTERS" else '"%s"' % text
            done = "resampled and levelled"
            if flt:
                done = "resampled, equalised (%s) and levelled" % FILTERS[flt][1]
            lines.append("%s/%s/%s.wav\t%s\t%s\t%s saying %s, %s with SoX; "
                         "tools/sounds/make.sh" % (rel, folder, name, source,
                                                   SOURCE_LICENCES[source], what, said, done))
    for name in sorted(EFFECTS):
        lines.append("%s/AUDIO/%s.wav\tlexipond-sounds\t%s\t%s; synthesised by "
                     "tools/sounds/make.sh, shaped with SoX" % (
                         rel, name, SOURCE_LICENCES["lexipond-sounds"], EFFECTS[name][1]))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as fh:
        fh.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------------------
def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", default=os.path.join(ROOT, "resources"),
                    help="folder that receives WORDS/, LETTERS/ and AUDIO/")
    ap.add_argument("--voice", default=DEFAULT_VOICE)
    ap.add_argument("--plain", action="store_true",
                    help="without the pronunciation fixes of lexicon.txt (for comparing voices)")
    ap.add_argument("--only", default="words,letters,effects")
    ap.add_argument("--names", help="comma-separated names: render only these")
    ap.add_argument("--credits", help="write the credits table of all the sounds to this file")
    args = ap.parse_args(argv)
    parts = set(args.only.split(","))
    wanted = set(args.names.split(",")) if args.names else None

    tmp = tempfile.mkdtemp(prefix="lxp_sounds_")
    report = []
    try:
        for part, folder, stretch in (("words", "WORDS", WORD_STRETCH),
                                      ("letters", "LETTERS", LETTER_STRETCH)):
            if part not in parts:
                continue
            rows = [r for r in speech_rows(part, stretch, args.plain)
                    if wanted is None or r[0] in wanted]
            items = [(name, text, os.path.join(args.out, folder, name + ".wav"), pace, flt)
                     for name, text, pace, flt in rows]
            paces = speak_all(make_voice(args.voice, args.plain), items, tmp, SPEECH_LEVEL_DB)
            for name, _, _, _ in rows:
                out = os.path.join(args.out, folder, name + ".wav")
                report.append((folder, name, paces.get(name), stats(out)))
        if "effects" in parts:
            for name in sorted(EFFECTS):
                if wanted is not None and name not in wanted:
                    continue
                out = os.path.join(args.out, "AUDIO", name + ".wav")
                make_effect(name, out, tmp)
                report.append(("AUDIO", name, None, stats(out)))
    finally:
        shutil.rmtree(tmp, ignore_errors=True)

    if args.credits:
        write_credits(args.credits, args.out)

    print("%-8s %-15s %6s %6s %8s %7s %7s %6s" % ("type", "name", "pace", "dur", "active", "rms",
                                                 "peak", "onset"))
    for folder, name, pace, st in report:
        print("%-8s %-15s %6s %6.3f %8.1f %7.1f %7.1f %6.1f" % (
            folder, name, "%.2f" % pace if pace else "-", st["duration"], st["active_db"],
            st["rms_db"], st["peak_db"], st["onset_ms"]))
    for folder in ("WORDS", "LETTERS", "AUDIO"):
        rows = [st for f, _, _, st in report if f == folder]
        if not rows:
            continue
        act = [r["active_db"] for r in rows]
        rms = [r["rms_db"] for r in rows]
        print("%s: %d files, longest %.3f s, active RMS %.1f..%.1f dB (spread %.1f), "
              "RMS %.1f..%.1f dB (spread %.1f), highest peak %.1f dBFS, latest onset %.1f ms" % (
                  folder, len(rows), max(r["duration"] for r in rows), min(act), max(act),
                  max(act) - min(act), min(rms), max(rms), max(rms) - min(rms),
                  max(r["peak_db"] for r in rows), max(r["onset_ms"] for r in rows)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
