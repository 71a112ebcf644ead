#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: small valid and broken WAV
files, update answers of every kind the check distinguishes, and replay
files whole, cut short and broken."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))


def wav(channels, rate, bits, frames, extra_chunk=b"", fmt_size=16, data_size=None,
        riff=b"RIFF", data=None):
    if data is None:
        step = bits // 8
        data = bytes((i * 37 + 11) & 0xFF for i in range(frames * channels * step))
    size = len(data) if data_size is None else data_size
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * channels * bits // 8,
                      channels * bits // 8, bits)
    fmt += b"\0" * (fmt_size - 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", fmt_size) + fmt + extra_chunk
    body += b"data" + struct.pack("<I", size) + data
    return riff + struct.pack("<I", len(body)) + body


wavs = {
    "mono8": wav(1, 22050, 8, 40),
    "mono16": wav(1, 22050, 16, 40),
    "stereo16_44k": wav(2, 44100, 16, 30),
    "stereo8_11k": wav(2, 11025, 8, 30),
    "three_channels": wav(3, 22050, 16, 20),
    "three_frames": wav(1, 22050, 16, 3),
    "one_frame": wav(1, 22050, 16, 1),
    "list_chunk_before_data": wav(1, 22050, 16, 20, extra_chunk=b"LIST" + struct.pack("<I", 6) + b"abcdef"),
    "odd_chunk_before_data": wav(1, 22050, 8, 20, extra_chunk=b"junk" + struct.pack("<I", 3) + b"xyz"),
    "fmt_18_bytes": wav(1, 22050, 16, 20, fmt_size=18),
    "data_shorter_than_declared": wav(1, 22050, 16, 10, data_size=400),
    "data_size_huge": wav(2, 22050, 16, 4, data_size=0x7FFFFFF0),
    "empty_data": wav(1, 22050, 16, 0),
    "bits24": wav(1, 22050, 24, 10),
    "zero_channels": wav(0, 22050, 16, 10, data=b"\1\2" * 10),
    "zero_rate": wav(1, 0, 16, 10),
    "rifx": wav(1, 22050, 16, 10, riff=b"RIFX"),
    "header_only": wav(1, 22050, 16, 10)[:44 - 8],
    "empty": b"",
}

answers = {
    "newer": b"1.1 http://example.invalid/cirrovanta.deb\n",
    "older_then_newer": b"1.0 L\n1.2 M\n",
    "third_field": b"1.1 L extra\n",
    "empty_location": b"1.1  L\n",
    "no_dot_stops": b"2 L\n1.5 M\n",
    "not_integers": b"1.x L\n1.3 N\n",
    "three_parts": b"1.0.9 L\n",
    "crlf": b"2.0 L\r\n",
    "blank_and_version_only": b"\n1.4\n",
    "long_line": b"1." + b"9" * 1500 + b" L\n1.1 " + b"x" * 1100 + b"\n",
    "nul_inside": b"1.1 L\0M\n1.2 N\n",
    "utf8_and_invalid": "1.1 ort/\u00e9t\u00e9\n".encode() + b"1.2 \xff\xfe\n",
    "empty": b"",
}



def cbor(value):
    """The few CBOR items a replay file uses: integers, texts, bools, arrays, maps."""
    def head(major, n):
        if n < 24:
            return bytes([major << 5 | n])
        for extra, size in ((24, 1), (25, 2), (26, 4), (27, 8)):
            if n < 1 << (8 * size):
                return bytes([major << 5 | extra]) + n.to_bytes(size, "big")
        raise ValueError(n)
    if isinstance(value, bool):
        return b"\xf5" if value else b"\xf4"
    if isinstance(value, int):
        return head(0, value) if value >= 0 else head(1, -1 - value)
    if isinstance(value, str):
        return head(3, len(value.encode())) + value.encode()
    if isinstance(value, list):
        return head(4, len(value)) + b"".join(cbor(v) for v in value)
    return head(5, len(value)) + b"".join(cbor(k) + cbor(v) for k, v in value.items())


def replay(version=1, samples=None, events=None, **extra):
    # Samples are changes from the sample before: ms, x and y in tenths,
    # heading in mrad, speed in tenths, petrol in 1/10000 of a tank.
    if samples is None:
        samples = [0, 1200, 4200, 1571, 600, 10000] + [33, 20, 0, -3, 1, -6] * 20
    fields = {"format": "cirrovanta-replay", "version": version, "level": "1-FlightSchool/01_straight",
              "passed": True, "result": 1095, "fps": 30, "samples": samples,
              "events": [100, 1, 0, 400, 7, 0, 660, 11, 0] if events is None else events}
    fields.update(extra)
    return cbor(fields)


replays = {
    "flight": replay(),
    "truncated": replay()[:-9],
    "future_version": replay(version=2),
    "time_runs_back": replay(samples=[0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, -9, 0, 0, 0, 0, 0]),
    "ragged_samples": replay(samples=[0, 1, 2, 3, 4]),
    "unknown_event": replay(events=[0, 99, 0]),
    "huge_values": replay(samples=[0, 1 << 62, -(1 << 62), 0, 0, 0]),
    "no_samples": replay(samples=[]),
    "extra_keys": replay(note="kept", colour=[1, 2, {"a": 3}]),
    "empty": b"",
}

for target, files in (("fuzz_wav", wavs), ("fuzz_updateanswer", answers), ("fuzz_replay", replays)):
    directory = os.path.join(here, "corpus", target)
    os.makedirs(directory, exist_ok=True)
    for name, content in files.items():
        with open(os.path.join(directory, name), "wb") as f:
            f.write(content)
