"""The slot buttons' click: a bright filtered noise tick over a short
two-partial tone, about 0.3 s of 16-bit mono PCM at 44.1 kHz, silent at both
ends and peaking well below full scale."""

import wave

import numpy as np

RATE = 44100
SAMPLE_BYTES = 26502
SAMPLES = SAMPLE_BYTES // 2
PEAK = 0.4


def samples(seed=7):
    rng = np.random.default_rng(seed)
    t = np.arange(SAMPLES) / RATE
    noise = rng.standard_normal(SAMPLES)
    # Band-pass the noise around 4 kHz with a pair of one-pole filters.
    def one_pole(x, a):
        y = np.empty_like(x)
        acc = 0.0
        for i, v in enumerate(x):
            acc = acc + a * (v - acc)
            y[i] = acc
        return y
    band = one_pole(noise, 0.55) - one_pole(noise, 0.12)
    tick = band * np.exp(-t / 0.0035)
    tone = (np.sin(2 * np.pi * 1760 * t) + 0.45 * np.sin(2 * np.pi * 2637 * t + 0.6)) \
        * np.exp(-t / 0.045)
    body = np.sin(2 * np.pi * 440 * t) * np.exp(-t / 0.02) * 0.25
    signal = tick / np.max(np.abs(tick[:600])) * 0.8 + tone * 0.5 + body
    attack = np.clip(t / 0.0008, 0, 1)                 # starts at zero
    release = np.clip((t[-1] - t) / 0.05, 0, 1)        # ends at zero
    signal *= attack * release
    signal *= PEAK / np.max(np.abs(signal))
    return np.round(signal * 32767).astype("<i2")


def write(path):
    data = samples()
    assert data.nbytes == SAMPLE_BYTES and data[0] == 0 and data[-1] == 0
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())
