// Feeds arbitrary bytes to the replay reader: it refuses them, or returns a
// flight within the reader's own limits that comes back the same when it is
// written and read again.
#include "persistence/replayfile.h"

#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_replay: %s\n", what);
        std::abort();
    }
}

bool sameSamples(const ReplaySample &a, const ReplaySample &b)
{
    return a.timeMs == b.timeMs && a.x == b.x && a.y == b.y && a.angle == b.angle
        && a.speed == b.speed && a.petrol == b.petrol;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Replay> replay = ReplayFile::decode(bytes);
    if (!replay)
        return 0;
    check(!replay->level.isEmpty() && !replay->samples.isEmpty(), "a replay has a level and samples");
    check(replay->samples.size() <= ReplayFile::maxSamples, "at most maxSamples samples");
    check(replay->events.size() <= ReplayFile::maxEvents, "at most maxEvents events");
    check(replay->fps >= 1 && replay->fps <= ReplayFile::maxFps, "a frame rate within 1..maxFps");
    for (qsizetype i = 1; i < replay->samples.size(); ++i)
        check(replay->samples[i].timeMs >= replay->samples[i - 1].timeMs, "time never runs back");
    check(replay->durationMs() <= ReplayFile::maxDurationMs + 1000, "no longer than the limit");

    const std::optional<Replay> again = ReplayFile::decode(ReplayFile::encode(*replay));
    check(again.has_value(), "a replay read is written readably");
    check(again->level == replay->level && again->result == replay->result
              && again->passed == replay->passed && again->fps == replay->fps,
          "the header comes back");
    check(again->samples.size() == replay->samples.size()
              && std::equal(again->samples.cbegin(), again->samples.cend(), replay->samples.cbegin(), sameSamples),
          "the samples come back");
    check(again->events.size() == replay->events.size(), "the events come back");
    return 0;
}
