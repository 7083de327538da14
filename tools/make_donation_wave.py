#!/usr/bin/env python3
"""Writes the donation thank-you chime: ui/sounds/donation.wav.

A short music-box tune made from scratch here: each note is a bell-like
tone (a few slightly stretched partials with a soft attack and an
exponential ring-out), ending on a held major chord that fades to silence.
Mono, 22050 Hz, 16-bit PCM, exactly 335160 data bytes. Deterministic: the
same bytes every run, so the committed file can be regenerated and compared.

    python3 tools/make_donation_wave.py [output.wav]
"""
import math
import struct
import sys

SAMPLE_RATE = 22050
DATA_BYTES = 335160
SAMPLES = DATA_BYTES // 2
PEAK = 0.55 * 32767          # leaves headroom: a thank-you, not an alarm
ATTACK_S = 0.006
FADE_OUT_S = 0.35

# (start in seconds, frequency in Hz, loudness, ring-out time constant in s)
C5, D5, E5, G5, A5, C6, E6 = 523.25, 587.33, 659.26, 783.99, 880.00, 1046.50, 1318.51
TUNE = [
    (0.00, C5, 1.0, 0.9), (0.30, E5, 0.9, 0.9), (0.60, G5, 0.9, 0.9), (0.90, C6, 1.0, 1.2),
    (1.50, A5, 0.8, 0.9), (1.80, G5, 0.8, 0.9), (2.10, E5, 0.8, 0.9), (2.40, G5, 0.9, 1.2),
    (3.00, D5, 0.8, 0.9), (3.30, E5, 0.8, 0.9), (3.60, G5, 0.8, 0.9), (3.90, E6, 0.7, 1.0),
    (4.50, C6, 0.9, 1.4),
    (5.10, C5, 0.7, 1.6), (5.10, E5, 0.6, 1.6), (5.10, G5, 0.6, 1.6), (5.10, C6, 0.5, 1.6),
]
# Partials of a small bell: (ratio to the fundamental, relative loudness).
PARTIALS = [(1.0, 1.0), (2.01, 0.35), (3.03, 0.12), (4.2, 0.05)]


def note_sample(t, freq, loudness, ring):
    if t < 0:
        return 0.0
    envelope = min(1.0, t / ATTACK_S) * math.exp(-t / ring)
    tone = sum(level * math.sin(2 * math.pi * freq * ratio * t)
               * math.exp(-t * (ratio - 1) * 1.5)  # upper partials die sooner
               for ratio, level in PARTIALS)
    return loudness * envelope * tone


def render():
    raw = []
    for n in range(SAMPLES):
        t = n / SAMPLE_RATE
        raw.append(sum(note_sample(t - start, f, a, r) for start, f, a, r in TUNE))
    scale = PEAK / max(abs(v) for v in raw)
    fade_samples = int(FADE_OUT_S * SAMPLE_RATE)
    pcm = []
    for n, value in enumerate(raw):
        remaining = SAMPLES - 1 - n
        fade = min(1.0, remaining / fade_samples)  # reaches exactly 0 at the end
        pcm.append(int(round(value * scale * fade)))
    return pcm


def wave_image(pcm):
    data = struct.pack('<%dh' % len(pcm), *pcm)
    assert len(data) == DATA_BYTES
    channels, bits = 1, 16
    block_align = channels * bits // 8
    header = b'RIFF' + struct.pack('<I', 36 + len(data)) + b'WAVE'
    header += b'fmt ' + struct.pack('<IHHIIHH', 16, 1, channels, SAMPLE_RATE,
                                    SAMPLE_RATE * block_align, block_align, bits)
    header += b'data' + struct.pack('<I', len(data))
    return header + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else 'ui/sounds/donation.wav'
    with open(out, 'wb') as f:
        f.write(wave_image(render()))


if __name__ == '__main__':
    main()
