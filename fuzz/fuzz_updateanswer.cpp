// Feeds arbitrary bytes to the update check as the body of the server's
// answer and checks what a found location can look like.
#include "engine/updateanswer.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdio>
#include <cstdlib>

namespace {

void discard(QtMsgType, const QMessageLogContext &, const QString &) {}

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_updateanswer: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The debug lines of the check would flood the fuzzer's output.
    qInstallMessageHandler(discard);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer answer(&body);
    check(answer.open(QIODevice::ReadOnly), "a buffer opens");
    const std::optional<QString> location = newerVersionLocation(answer);
    if (location) {
        // The location is the text between the first and second space of one
        // trimmed line of at most 1023 bytes.
        check(!location->contains(QLatin1Char(' ')), "a location holds no space");
        check(!location->contains(QLatin1Char('\n')), "a location holds no line break");
        check(location->toUtf8().size() <= 1023 * 3, "a location comes from one line");
    }
    return 0;
}
