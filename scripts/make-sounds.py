#!/usr/bin/env python3
"""Synthesises the game's 21 sound files into sounds/.

Standard library only, fixed random seeds: running it again writes the same
bytes. Usage: python3 scripts/make-sounds.py [output-dir]

All files are 22050 Hz PCM with a plain 16-byte fmt chunk followed directly by
the data chunk (what Python's wave module writes). Effects peak near -3 dBFS;
music peaks at 0.45 of full scale because the mixer adds sources without
saturation.

Music and engine hums are rendered into a circular buffer whose length is an
exact number of beats (or whole oscillator cycles), so every event that runs
past the end wraps to the start. The player loops over all frames but the last
two and reads one frame ahead for interpolation, so loops are written as
period + the period's first two frames: the loop then plays exactly one period
and joins seamlessly.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
TWO_PI = 2.0 * math.pi
EFFECT_PEAK = 10.0 ** (-3.0 / 20.0)
MUSIC_PEAK = 0.45
# No effect may stand out by more than this over the flight's music: its
# loudest 50 ms (RMS, the louder channel) against the whole music loop's RMS.
EFFECT_OVER_MUSIC_DB = 9.0
FLIGHT_MUSIC = 'S_drumsandbass.wav'
MUSIC_FILES = {'S_main_sound_low.wav', 'S_drumsandbass.wav', 'S_bass_3.wav', 'S_bass_5.wav',
               'S_bass_6.wav', 'S_bass_8.wav', 'S_bass_7_1.wav'}


# ---------------------------------------------------------------- basics

def frames(seconds):
    return int(round(seconds * RATE))


def midi(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def add_into(dst, src, start=0, gain=1.0, wrap=False):
    size = len(dst)
    for i, v in enumerate(src):
        j = start + i
        if wrap:
            j %= size
        elif j >= size:
            break
        dst[j] += v * gain


def scaled(x, gain):
    return [v * gain for v in x]


def normalize(channels, peak):
    top = max(max(abs(v) for v in ch) for ch in channels)
    return [scaled(ch, peak / top) for ch in channels]


def fade_edges(x, fade_in=0.002, fade_out=0.01):
    """Short linear ramps so one-shot effects start and end at zero."""
    n_in, n_out = frames(fade_in), frames(fade_out)
    for i in range(min(n_in, len(x))):
        x[i] *= i / n_in
    for i in range(min(n_out, len(x))):
        x[len(x) - 1 - i] *= i / n_out
    return x


def circular(filter_fn, x, *args):
    """Runs a filter over a periodic signal: two passes, keep the settled second one."""
    y = filter_fn(x + x, *args)
    return y[len(x):]


def noise(rng, n):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


# ---------------------------------------------------------------- oscillators

def _blep(t, dt):
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def oscillator(kind, freq, n, vibrato_depth=0.0, vibrato_rate=0.0, vibrato_delay=0.0):
    """Band-limited 'sine', 'saw' or 'square'; vibrato depth in semitones."""
    out = [0.0] * n
    phase = 0.0
    delay = frames(vibrato_delay)
    for i in range(n):
        f = freq
        if vibrato_depth and i > delay:
            ramp = min(1.0, (i - delay) / (0.3 * RATE))
            f = freq * 2.0 ** (vibrato_depth * ramp * math.sin(TWO_PI * vibrato_rate * i / RATE) / 12.0)
        dt = f / RATE
        if kind == 'sine':
            v = math.sin(TWO_PI * phase)
        elif kind == 'saw':
            v = 2.0 * phase - 1.0 - _blep(phase, dt)
        else:
            v = (1.0 if phase < 0.5 else -1.0) + _blep(phase, dt) - _blep((phase + 0.5) % 1.0, dt)
        out[i] = v
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
    return out


def periodic_wave(freq, i, harmonics):
    """Sum of harmonics at frame i; with whole cycles per loop this is exactly periodic."""
    t = freq * i / RATE
    return sum(a * math.sin(TWO_PI * (k * t % 1.0)) for k, a in harmonics)


# ---------------------------------------------------------------- filters

def lowpass(x, cutoff):
    a = 1.0 - math.exp(-TWO_PI * cutoff / RATE)
    y, out = 0.0, [0.0] * len(x)
    for i, v in enumerate(x):
        y += a * (v - y)
        out[i] = y
    return out


def highpass(x, cutoff):
    low = lowpass(x, cutoff)
    return [v - l for v, l in zip(x, low)]


def svf(x, cutoff, damping=1.0, mode='lp'):
    """Chamberlin state-variable filter; cutoff is a number or a per-frame list."""
    low = band = 0.0
    out = [0.0] * len(x)
    fixed = not isinstance(cutoff, list)
    if fixed:
        f = 2.0 * math.sin(math.pi * min(cutoff, RATE / 6.0) / RATE)
    for i, v in enumerate(x):
        if not fixed:
            f = 2.0 * math.sin(math.pi * min(cutoff[i], RATE / 6.0) / RATE)
        low += f * band
        high = v - low - damping * band
        band += f * high
        out[i] = low if mode == 'lp' else band if mode == 'bp' else high
    return out


def exp_env(n, tau, attack=0.002):
    na = max(1, frames(attack))
    return [(i / na if i < na else 1.0) * math.exp(-i / (tau * RATE)) for i in range(n)]


def gate_env(n, attack, release):
    """Flat envelope with linear attack and release inside n frames."""
    na, nr = max(1, frames(attack)), max(1, frames(release))
    out = [1.0] * n
    for i in range(min(na, n)):
        out[i] = i / na
    for i in range(min(nr, n)):
        out[n - 1 - i] = min(out[n - 1 - i], i / nr)
    return out


def mul(x, env):
    return [a * b for a, b in zip(x, env)]


# ---------------------------------------------------------------- drums

def kick(rng, length=0.32, f_hi=140.0, f_lo=45.0):
    n = frames(length)
    out, phase = [0.0] * n, 0.0
    for i in range(n):
        t = i / RATE
        f = f_lo + (f_hi - f_lo) * math.exp(-t / 0.03)
        out[i] = math.sin(TWO_PI * phase) * math.exp(-t / 0.12)
        phase += f / RATE
    return out


def snare(rng, length=0.22):
    n = frames(length)
    rattle = mul(svf(noise(rng, n), 3500.0, 0.9, 'bp'), exp_env(n, 0.06, 0.001))
    body = [math.sin(TWO_PI * 185.0 * i / RATE) * math.exp(-i / (0.04 * RATE)) for i in range(n)]
    return [0.9 * a + 0.6 * b for a, b in zip(rattle, body)]


def hat(rng, length=0.06, tau=0.018):
    n = frames(length)
    return mul(highpass(highpass(noise(rng, n), 6000.0), 6000.0), exp_env(n, tau, 0.0005))


def rim(rng):
    n = frames(0.05)
    return mul(svf(noise(rng, n), 1700.0, 0.3, 'bp'), exp_env(n, 0.008, 0.0005))


# ---------------------------------------------------------------- musical loop

class Loop:
    """A circular buffer an exact number of beats long."""

    def __init__(self, bpm, beats):
        self.beat = RATE * 60.0 / bpm
        length = self.beat * beats
        if abs(length - round(length)) > 1e-6:
            raise ValueError('loop of %d beats at %g bpm is not a whole number of frames' % (beats, bpm))
        self.buf = [0.0] * int(round(length))

    def frame(self, beat):
        return int(round(beat * self.beat))

    def place(self, samples, beat, gain=1.0):
        add_into(self.buf, samples, self.frame(beat), gain, wrap=True)

    def frames_for(self, beats):
        return int(round(beats * self.beat))


def loop_frames(period):
    """Period plus its first two frames, see the module comment."""
    return period + period[:2]


# ---------------------------------------------------------------- bass voices

def bass_note(kind, freq, n, velocity, rng):
    tail = frames(0.06)
    total = n + tail
    if kind == 'pluck':
        src = oscillator('saw', freq, total)
        cut = [170.0 + 2600.0 * velocity * math.exp(-i / (0.07 * RATE)) for i in range(total)]
        x = svf(src, cut, 0.55)
        amp = [0.55 + 0.45 * math.exp(-i / (0.15 * RATE)) for i in range(total)]
        x = mul(x, amp)
    elif kind == 'sub':
        x = [math.tanh(1.6 * (math.sin(TWO_PI * freq * i / RATE) + 0.3 * math.sin(TWO_PI * 2 * freq * i / RATE)))
             for i in range(total)]
    elif kind == 'square':
        x = svf(oscillator('square', freq, total), 700.0 + 500.0 * velocity, 1.1)
    elif kind == 'fm':
        x = []
        for i in range(total):
            t = i / RATE
            index = 0.6 + 2.6 * velocity * math.exp(-t / 0.09)
            x.append(math.sin(TWO_PI * freq * t + index * math.sin(TWO_PI * 2.0 * freq * t)))
    elif kind == 'acid':
        src = oscillator('saw', freq, total)
        cut = [260.0 + 2400.0 * velocity * math.exp(-i / (0.11 * RATE)) for i in range(total)]
        x = [math.tanh(2.0 * v) for v in svf(src, cut, 0.18)]
    elif kind == 'reese':
        a = oscillator('saw', freq, total)
        b = oscillator('saw', freq * 1.009, total)
        mid = svf([p + q for p, q in zip(a, b)], 520.0, 0.8)
        x = [0.45 * m + 0.8 * math.sin(TWO_PI * freq * i / RATE) for i, m in enumerate(mid)]
    else:
        raise ValueError(kind)
    return mul(x, gate_env(total, 0.004, 0.05 if kind != 'pluck' else 0.06))


def render_bass_loop(bpm, beats, kind, notes, drums, seed, bass_gain=1.0):
    """notes: (beat, length in beats, midi note, velocity); drums: (beat, name, gain)."""
    rng = random.Random(seed)
    loop = Loop(bpm, beats)
    for beat, length, note, velocity in notes:
        loop.place(bass_note(kind, midi(note), loop.frames_for(length), velocity, rng), beat, bass_gain * velocity)
    makers = {'kick': kick, 'snare': snare, 'hat': hat, 'open': lambda r: hat(r, 0.25, 0.09), 'rim': rim}
    for beat, name, gain in drums:
        loop.place(makers[name](rng), beat, gain)
    return loop_frames(normalize([loop.buf], MUSIC_PEAK)[0])


def every(step, beats, name, gain, offset=0.0, accent=None):
    hits, b = [], offset
    while b < beats - 1e-9:
        g = gain
        if accent and abs((b / accent[0]) - round(b / accent[0])) < 1e-9:
            g = accent[1]
        hits.append((b, name, g))
        b += step
    return hits


# ---------------------------------------------------------------- engine hums

def air_propeller():
    """Piston engine and propeller: 110 Hz blade buzz chopped at 8 Hz, 1 s loop."""
    rng = random.Random(100)
    n = RATE
    buzz_harm = [(k, (1.0 / k) * (1.0 if k % 2 else 0.6)) for k in range(1, 30)]
    firing_harm = [(1, 1.0), (2, 0.5), (3, 0.3)]
    air = circular(lowpass, circular(lowpass, noise(rng, n), 1400.0), 1400.0)
    out = []
    for i in range(n):
        t = i / RATE
        chop = 0.75 + 0.25 * math.sin(TWO_PI * 8.0 * t)     # blade passing the ear
        wow = 0.9 + 0.1 * math.sin(TWO_PI * 3.0 * t)
        v = 0.55 * periodic_wave(110.0, i, buzz_harm) * chop * wow
        v += 0.5 * periodic_wave(55.0, i, firing_harm)
        v += 0.8 * air[i]
        out.append(v)
    out = circular(lowpass, out, 2600.0)
    return loop_frames(normalize([out], EFFECT_PEAK)[0])


def air_turbine():
    """Jet turbine: whine at 2200/3300 Hz with slow wobble over a roar, 1.5 s loop."""
    rng = random.Random(101)
    n = frames(1.5)
    roar = circular(svf, noise(rng, n), 900.0, 1.2, 'bp')
    hiss = circular(highpass, noise(rng, n), 4000.0)
    out = []
    for i in range(n):
        t = i / RATE
        wobble = math.sin(TWO_PI * 2.0 * t)               # 3 whole cycles per loop
        whine = math.sin(TWO_PI * ((2200.0 * t) % 1.0) + 1.5 * wobble)
        whine2 = math.sin(TWO_PI * ((3300.0 * t) % 1.0) + 2.2 * wobble)
        hum = math.sin(TWO_PI * ((100.0 * t) % 1.0))
        out.append(0.32 * whine + 0.16 * whine2 + 1.3 * roar[i] + 0.03 * hiss[i] + 0.25 * hum)
    return loop_frames(normalize([out], EFFECT_PEAK)[0])


def air_rumble():
    """Heavy low rumble: beating 42/42.5 Hz tones and brown noise, 2 s loop."""
    rng = random.Random(102)
    n = frames(2.0)
    brown = circular(lowpass, circular(lowpass, noise(rng, n), 220.0), 220.0)
    out = []
    for i in range(n):
        t = i / RATE
        throb = 0.8 + 0.2 * math.sin(TWO_PI * 1.5 * t)
        v = math.sin(TWO_PI * ((42.0 * t) % 1.0)) + math.sin(TWO_PI * ((42.5 * t) % 1.0))
        v += 0.5 * math.sin(TWO_PI * ((84.5 * t) % 1.0)) + 0.2 * math.sin(TWO_PI * ((126.0 * t) % 1.0))
        out.append(0.5 * v * throb + 9.0 * brown[i])
    out = [math.tanh(0.8 * v) for v in out]
    return loop_frames(normalize([out], EFFECT_PEAK)[0])


# ---------------------------------------------------------------- effects

def alarm():
    """Terrain alarm: 960/720 Hz square tones alternating every 0.15 s."""
    tone = frames(0.15)
    out = []
    for k in range(8):
        f = 960.0 if k % 2 == 0 else 720.0
        x = lowpass(svf(oscillator('square', f, tone), 2500.0, 1.0), 4000.0)
        out += mul(x, gate_env(tone, 0.004, 0.004))
    return normalize([out], EFFECT_PEAK)[0]


def chime(freq, n):
    partials = [(1.0, 1.0, 0.9), (2.0, 0.35, 0.45), (3.01, 0.12, 0.25), (4.2, 0.06, 0.12)]
    out = [0.0] * n
    for ratio, amp, tau in partials:
        for i in range(n):
            out[i] += amp * math.sin(TWO_PI * freq * ratio * i / RATE) * math.exp(-i / (tau * RATE))
    return mul(out, gate_env(n, 0.003, 0.5))


def warning():
    """'Ding-dong' chime: F#5 then D5."""
    out = [0.0] * frames(2.3)
    add_into(out, chime(midi(78), frames(1.8)), 0)
    add_into(out, chime(midi(74), frames(1.85)), frames(0.45))
    return normalize([out], EFFECT_PEAK)[0]


def click_button():
    rng = random.Random(104)
    n = frames(0.04) // 2 * 2
    snap = mul(highpass(noise(rng, n), 3000.0), exp_env(n, 0.0015, 0.0002))
    tick = [math.sin(TWO_PI * 2400.0 * i / RATE) * math.exp(-i / (0.004 * RATE)) for i in range(n)]
    body = [math.sin(TWO_PI * 900.0 * i / RATE) * math.exp(-i / (0.008 * RATE)) for i in range(n)]
    out = [0.8 * a + 0.6 * b + 0.4 * c for a, b, c in zip(snap, tick, body)]
    return fade_edges(normalize([out], EFFECT_PEAK)[0], 0.0003, 0.005)


def click_page():
    """Soft pop of a bursting buoy: a quick downward sine sweep with a puff of air."""
    rng = random.Random(105)
    n = frames(0.12)
    out, phase = [0.0] * n, 0.0
    for i in range(n):
        t = i / RATE
        f = 170.0 + 480.0 * math.exp(-t / 0.018)
        out[i] = math.sin(TWO_PI * phase) * math.exp(-t / 0.025)
        phase += f / RATE
    puff = mul(lowpass(noise(rng, n), 1800.0), exp_env(n, 0.01, 0.0005))
    out = [a + 0.8 * b for a, b in zip(out, puff)]
    return fade_edges(normalize([out], EFFECT_PEAK)[0], 0.0005, 0.02)


def explode():
    """Stereo noise burst with a closing filter, a low boom and crackle."""
    rng = random.Random(106)
    n = frames(2.6)
    cut = [180.0 + 5000.0 * math.exp(-i / (0.25 * RATE)) for i in range(n)]
    env = exp_env(n, 0.55, 0.004)
    boom, phase = [0.0] * n, 0.0
    for i in range(n):
        t = i / RATE
        boom[i] = math.sin(TWO_PI * phase) * math.exp(-t / 0.5) * min(1.0, t / 0.01)
        phase += (32.0 + 60.0 * math.exp(-t / 0.15)) / RATE
    channels = []
    for _ in range(2):
        roar = mul(svf(noise(rng, n), cut, 0.9), env)
        crackle = [0.0] * n
        for _ in range(60):
            at = int(rng.expovariate(1.0 / (0.35 * RATE)))
            if at < n - 200:
                add_into(crackle, hat(rng, 0.02, 0.004), at, rng.uniform(0.2, 0.6) * math.exp(-at / (0.6 * RATE)))
        channels.append([1.6 * r + 1.0 * b + c for r, b, c in zip(roar, boom, crackle)])
    channels = normalize(channels, EFFECT_PEAK)
    return [fade_edges(ch, 0.0, 0.3) for ch in channels]


def brass_note(freq, n, velocity=1.0, release=0.08):
    """Saw through a filter that opens with the envelope: the 'blat' of a brass attack."""
    saw = oscillator('saw', freq, n, vibrato_depth=0.12, vibrato_rate=5.5, vibrato_delay=0.25)
    attack, release = frames(0.04), frames(release)
    env = []
    for i in range(n):
        a = min(1.0, i / attack) if attack else 1.0
        swell = 1.0 + 0.25 * math.exp(-((i - attack) / (0.05 * RATE)) ** 2)
        r = min(1.0, (n - 1 - i) / release)
        env.append(a * swell * r * velocity)
    cut = [freq * (1.2 + 6.0 * e) for e in env]
    x = svf(svf(saw, cut, 1.0), cut, 1.3)
    return mul(x, env)


def fanfare():
    """Three-voice brass fanfare in C: triplet pickup, C5, G4, long C major chord."""
    beat = frames(0.36)
    lead = [(0.0, 0.3, 67), (1 / 3, 0.3, 67), (2 / 3, 0.3, 67), (1.0, 0.95, 72), (2.0, 0.45, 67), (2.5, 3.0, 72)]
    second = [(0.0, 0.3, 64), (1 / 3, 0.3, 64), (2 / 3, 0.3, 64), (1.0, 0.95, 67), (2.0, 0.45, 64), (2.5, 3.0, 67)]
    low = [(1.0, 0.95, 48), (2.0, 0.45, 55), (2.5, 3.0, 48)]
    n = int(5.6 * beat)
    left, right = [0.0] * n, [0.0] * n
    for notes, pan, gain in ((lead, 0.35, 1.0), (second, 0.65, 0.7), (low, 0.5, 0.8)):
        for start, length, note in notes:
            x = brass_note(midi(note), int(length * beat), 1.0, 0.35 if start > 2 else 0.08)
            add_into(left, x, int(start * beat), gain * (1.0 - pan))
            add_into(right, x, int(start * beat), gain * pan)
    return [fade_edges(ch, 0.0, 0.05) for ch in normalize([left, right], EFFECT_PEAK)]


def one_clap(rng, centre):
    n = frames(0.05)
    src = noise(rng, n)
    env = [0.0] * n
    for burst in range(3):                     # a clap is a few fast reflections of the palms
        at = frames(0.0025 * burst + rng.uniform(0.0, 0.001))
        for i in range(at, n):
            env[i] += (0.5 ** burst) * math.exp(-(i - at) / (0.007 * RATE))
    return mul(svf(src, centre, 0.7, 'bp'), env)


def applause(seconds, people, seed, fade_out):
    rng = random.Random(seed)
    n = frames(seconds)
    left, right = [0.0] * n, [0.0] * n
    for _ in range(people):
        rate = rng.uniform(3.5, 6.0)
        centre = rng.uniform(800.0, 2200.0)
        pan = rng.uniform(0.1, 0.9)
        loud = rng.uniform(0.4, 1.0)
        t = rng.uniform(0.0, 0.25)
        stop = seconds - rng.uniform(0.0, fade_out)
        while t < stop:
            clap = one_clap(rng, centre)
            at = frames(t)
            g = loud * rng.uniform(0.8, 1.0)
            add_into(left, clap, at, g * (1.0 - pan))
            add_into(right, clap, at, g * pan)
            t += (1.0 / rate) * rng.uniform(0.85, 1.15)
    return [fade_edges(ch, 0.05, 0.15) for ch in normalize([left, right], EFFECT_PEAK)]


def wrong_beep():
    """Two falling buzzes."""
    out = []
    for f, secs in ((200.0, 0.18), (140.0, 0.3)):
        tone = frames(secs)
        a = oscillator('saw', f, tone)
        b = oscillator('square', f * 1.01, tone)
        x = svf([0.6 * p + 0.4 * q for p, q in zip(a, b)], 2200.0, 1.0)
        out += mul(x, gate_env(tone, 0.005, 0.02))
        out += [0.0] * frames(0.04)
    out = out[:len(out) // 2 * 2]
    return normalize([out], EFFECT_PEAK)[0]


def sonar():
    """1250 Hz ping with a ringing tail and two distant, duller echoes."""
    n = frames(2.4)
    ping_len = frames(1.2)
    ping = []
    for i in range(ping_len):
        t = i / RATE
        v = math.sin(TWO_PI * 1250.0 * t) + 0.15 * math.sin(TWO_PI * 2500.0 * t) * math.exp(-t / 0.05)
        ping.append(v * min(1.0, t / 0.002) * math.exp(-t / 0.28))
    ping = mul(ping, gate_env(ping_len, 0.0, 0.4))
    out = [0.0] * n
    add_into(out, ping, 0)
    add_into(out, lowpass(ping, 2000.0), frames(0.6), 0.35)
    add_into(out, lowpass(lowpass(ping, 1500.0), 1500.0), frames(1.2), 0.15)
    return fade_edges(normalize([out], EFFECT_PEAK)[0], 0.0, 0.05)


def bump():
    """Wheels touching down: low thud, a puff of body noise and a short rattle."""
    rng = random.Random(120)
    n = frames(0.45)
    thud, phase = [0.0] * n, 0.0
    for i in range(n):
        t = i / RATE
        thud[i] = math.sin(TWO_PI * phase) * math.exp(-t / 0.09) * min(1.0, t / 0.002)
        phase += (40.0 + 45.0 * math.exp(-t / 0.04)) / RATE
    body = mul(lowpass(lowpass(noise(rng, n), 300.0), 300.0), exp_env(n, 0.05, 0.001))
    rattle = mul(svf(noise(rng, n), 1600.0, 0.8, 'bp'), exp_env(n, 0.02, 0.001))
    out = [a + 3.0 * b + 0.15 * c for a, b, c in zip(thud, body, rattle)]
    return fade_edges(normalize([out], EFFECT_PEAK)[0], 0.0, 0.05)


# ---------------------------------------------------------------- music

def pad_note(freq, n, rng):
    """Soft detuned pad with slow attack and release."""
    x = [0.0] * n
    detune = (0.998, 1.0, 1.002)
    phases = [rng.random() for _ in detune]
    for d, p in zip(detune, phases):
        f = freq * d
        for i in range(n):
            ph = TWO_PI * (f * i / RATE + p)
            x[i] += math.sin(ph) + 0.25 * math.sin(2 * ph) + 0.08 * math.sin(3 * ph)
    return mul(x, gate_env(n, 1.0, 1.4))


def bell_note(freq, n):
    x = [0.0] * n
    for ratio, amp, tau in ((1.0, 1.0, 0.9), (2.0, 0.3, 0.4), (3.0, 0.08, 0.2)):
        for i in range(n):
            x[i] += amp * math.sin(TWO_PI * freq * ratio * i / RATE) * math.exp(-i / (tau * RATE))
    return mul(x, gate_env(n, 0.006, 0.2))


def main_theme():
    """Calm Am-F-C-G theme at 90 bpm, 4 bars: pad, soft bass, bell melody."""
    rng = random.Random(109)
    loop = Loop(90, 16)
    chords = [(45, [57, 60, 64]), (41, [53, 57, 60]), (36, [55, 60, 64]), (43, [55, 59, 62])]
    for bar, (root, voicing) in enumerate(chords):
        for note in voicing:
            loop.place(pad_note(midi(note), loop.frames_for(5.2), rng), 4 * bar, 0.18)
        for half in (0, 2):
            n = loop.frames_for(1.9)
            bass = [math.sin(TWO_PI * midi(root) * i / RATE) + 0.3 * math.sin(TWO_PI * 2 * midi(root) * i / RATE)
                    for i in range(n)]
            loop.place(mul(bass, [e * (0.6 + 0.4 * math.exp(-i / (0.4 * RATE))) for i, e in
                                  enumerate(gate_env(n, 0.03, 0.3))]), 4 * bar + half, 0.5)
    melody = [(0, 1.5, 64), (1.5, 0.5, 62), (2, 2, 60), (4, 1.5, 57), (5.5, 0.5, 60), (6, 1, 60), (7, 1, 62),
              (8, 1.5, 64), (9.5, 0.5, 67), (10, 1, 64), (11, 1, 62), (12, 2, 62), (14, 1, 59)]
    for beat, length, note in melody:
        loop.place(bell_note(midi(note), loop.frames_for(length + 1.0)), beat, 0.35)
    for beat in range(16):                       # barely audible pulse on the off-beats
        loop.place(hat(rng, 0.05, 0.012), beat + 0.5, 0.05)
    return loop_frames(normalize([loop.buf], MUSIC_PEAK)[0])


def drums_and_bass():
    """175 bpm, 4 bars: two-step kick/snare, sixteenth hats, reese bass."""
    beats = 16
    drums = []
    for bar in range(4):
        b = 4 * bar
        drums += [(b, 'kick', 1.0), (b + 2.5, 'kick', 0.9), (b + 1, 'snare', 0.8), (b + 3, 'snare', 0.8)]
        if bar % 2:
            drums += [(b + 3.75, 'snare', 0.25), (b + 1.75, 'snare', 0.2)]
    drums += every(0.25, beats, 'hat', 0.18, accent=(0.5, 0.32))
    drums += [(b + 0.5, 'open', 0.15) for b in range(0, beats, 4)]
    notes = [(0, 1.5, 40, 1.0), (2.5, 1.5, 40, 0.9), (4, 1.5, 43, 1.0), (6.5, 1.0, 45, 0.9), (7.5, 0.5, 43, 0.8),
             (8, 1.5, 36, 1.0), (10.5, 1.5, 38, 0.9), (12, 1.5, 38, 1.0), (14.5, 1.5, 35, 0.9)]
    return render_bass_loop(175, beats, 'reese', notes, drums, 110, bass_gain=0.9)


def bass_3():
    """105 bpm funky plucked bass, 2 bars."""
    notes = [(0, 0.5, 40, 1.0), (0.75, 0.25, 40, 0.6), (1.5, 0.5, 52, 0.8), (2, 0.5, 43, 0.9), (2.75, 0.25, 45, 0.7),
             (3.5, 0.5, 47, 0.8), (4, 0.5, 40, 1.0), (4.75, 0.25, 40, 0.6), (5.5, 0.5, 50, 0.8), (6, 0.75, 45, 0.9),
             (7, 0.5, 43, 0.8), (7.5, 0.5, 38, 0.7)]
    drums = [(0, 'kick', 0.6), (2, 'kick', 0.5), (4, 'kick', 0.6), (6.5, 'kick', 0.5), (1, 'rim', 0.4), (3, 'rim', 0.4),
             (5, 'rim', 0.4), (7, 'rim', 0.4)] + every(0.5, 8, 'hat', 0.15, offset=0.5)
    return render_bass_loop(105, 8, 'pluck', notes, drums, 114)


def bass_5():
    """126 bpm disco octave sub bass, 4 bars."""
    roots = [41, 41, 36, 43]
    notes = []
    for bar, root in enumerate(roots):
        for k in range(8):
            notes.append((4 * bar + 0.5 * k, 0.4, root + (12 if k % 2 else 0), 1.0 if k % 2 == 0 else 0.75))
    drums = every(1.0, 16, 'kick', 0.55) + every(1.0, 16, 'open', 0.12, offset=0.5) + every(0.25, 16, 'hat', 0.07)
    return render_bass_loop(126, 16, 'sub', notes, drums, 115)


def bass_6():
    """98 bpm walking square-wave bass, 2 bars."""
    walk = [38, 41, 43, 45, 46, 45, 43, 41]
    notes = [(i, 0.85, n, 0.9 if i % 2 == 0 else 0.75) for i, n in enumerate(walk)]
    drums = every(1.0, 8, 'rim', 0.35, offset=0.0) + every(0.5, 8, 'hat', 0.12, offset=0.5) + \
        [(0, 'kick', 0.45), (4, 'kick', 0.45)]
    return render_bass_loop(98, 8, 'square', notes, drums, 116)


def bass_7_1():
    """120 bpm syncopated FM bass, 2 bars."""
    notes = [(0, 0.75, 33, 1.0), (0.75, 0.5, 45, 0.7), (1.5, 0.5, 33, 0.8), (2.5, 0.5, 36, 0.9), (3, 0.75, 38, 0.8),
             (4, 0.75, 33, 1.0), (4.75, 0.5, 45, 0.7), (5.5, 0.5, 40, 0.8), (6.5, 0.5, 43, 0.9), (7.25, 0.5, 31, 0.8)]
    drums = [(0, 'kick', 0.5), (3.5, 'kick', 0.4), (4, 'kick', 0.5), (2, 'snare', 0.3), (6, 'snare', 0.3)] + \
        every(0.25, 8, 'hat', 0.08, accent=(1.0, 0.14))
    return render_bass_loop(120, 8, 'fm', notes, drums, 118)


def bass_8():
    """140 bpm resonant acid bass, 4 bars, steady kick."""
    pattern = [36, 36, 48, 36, 39, 36, 46, 36, 36, 43, 36, 48, 36, 41, 39, 43]
    accents = [1.0, 0.5, 0.9, 0.5, 0.8, 0.5, 1.0, 0.5, 0.7, 0.9, 0.5, 1.0, 0.5, 0.8, 0.6, 0.9]
    notes = []
    for bar in range(4):
        shift = (0, 0, 3, -2)[bar]
        for k, (n, a) in enumerate(zip(pattern, accents)):
            notes.append((4 * bar + 0.25 * k, 0.2, n + shift, a))
    drums = every(1.0, 16, 'kick', 0.5) + every(0.5, 16, 'hat', 0.1, offset=0.5)
    return render_bass_loop(140, 16, 'acid', notes, drums, 117, bass_gain=0.8)


# ---------------------------------------------------------------- output

def write_wav(path, channels, bits=16):
    count = len(channels[0])
    interleaved = [ch[i] for i in range(count) for ch in channels]
    if bits == 16:
        ints = [max(-32768, min(32767, int(round(v * 32767.0)))) for v in interleaved]
        data = struct.pack('<%dh' % len(ints), *ints)
    else:
        data = bytes(max(0, min(255, int(round(v * 127.0)) + 128)) for v in interleaved)
    with wave.open(path, 'wb') as w:
        w.setnchannels(len(channels))
        w.setsampwidth(bits // 8)
        w.setframerate(RATE)
        w.writeframes(data)


def db(power):
    return 10.0 * math.log10(max(power, 1e-12))


def rms_db(channels):
    count = sum(len(ch) for ch in channels)
    return db(sum(v * v for ch in channels for v in ch) / count)


def loudest_db(channels, window=0.05):
    """The highest RMS over any window (10 ms hops) of any channel, in dBFS."""
    size = frames(window)
    hop = frames(0.01)
    best = 0.0
    for ch in channels:
        padded = ch + [0.0] * max(0, size - len(ch))
        sums = [0.0]
        for v in padded:
            sums.append(sums[-1] + v * v)
        for start in range(0, len(padded) - size + 1, hop):
            best = max(best, (sums[start + size] - sums[start]) / size)
    return db(best)


def balanced(channels, music_db):
    """Turns an effect down until it stands at most EFFECT_OVER_MUSIC_DB over the music."""
    over = loudest_db(channels) - music_db - EFFECT_OVER_MUSIC_DB
    if over <= 0.0:
        return channels
    return [scaled(ch, 10.0 ** (-over / 20.0)) for ch in channels]


SOUNDS = [
    # file, generator, bits; a generator returns a mono list or a list of channels
    ('S_air1.wav', air_propeller, 16),
    ('S_air2.wav', air_turbine, 16),
    ('S_alarm.wav', alarm, 8),
    ('S_warning.wav', warning, 16),
    ('S_click_button.wav', click_button, 8),
    ('S_click_page.wav', click_page, 16),
    ('S_explode.wav', explode, 16),
    ('S_fanfare.wav', fanfare, 16),
    ('S_clapping_short.wav', lambda: applause(1.8, 22, 108, 0.5), 16),
    ('S_main_sound_low.wav', main_theme, 16),
    ('S_drumsandbass.wav', drums_and_bass, 16),
    ('S_air3.wav', air_rumble, 16),
    ('S_wrong_beep.wav', wrong_beep, 8),
    ('S_sonar.wav', sonar, 16),
    ('S_bass_3.wav', bass_3, 16),
    ('S_bass_5.wav', bass_5, 16),
    ('S_bass_6.wav', bass_6, 16),
    ('S_bass_8.wav', bass_8, 16),
    ('S_bass_7_1.wav', bass_7_1, 16),
    ('S_clapping.wav', lambda: applause(5.5, 30, 119, 1.8), 16),
    ('S_bump.wav', bump, 16),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'sounds')
    os.makedirs(out_dir, exist_ok=True)
    only = set(sys.argv[2:])
    music_db = rms_db([dict((n, m) for n, m, _ in SOUNDS)[FLIGHT_MUSIC]()])
    print('flight music %s: RMS %.1f dBFS; effects at most %.1f dBFS over 50 ms' % (
        FLIGHT_MUSIC, music_db, music_db + EFFECT_OVER_MUSIC_DB))
    for name, make, bits in SOUNDS:
        if only and name not in only:
            continue
        result = make()
        channels = result if isinstance(result[0], list) else [result]
        if name not in MUSIC_FILES:
            channels = balanced(channels, music_db)
        path = os.path.join(out_dir, name)
        write_wav(path, channels, bits)
        print('%-22s %d ch %2d bit %6.2f s %7d bytes, loudest 50 ms %6.1f dBFS' % (
            name, len(channels), bits, len(channels[0]) / RATE, os.path.getsize(path),
            loudest_db(channels)))


if __name__ == '__main__':
    main()
