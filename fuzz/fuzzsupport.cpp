#include "fuzz/fuzzsupport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace kw::fuzz {

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

void startFuzzing(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    // Lives for the whole run; libFuzzer never returns to tear it down.
    static QGuiApplication* const app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
}

QString scratchFolder()
{
    static QTemporaryDir* const folder = new QTemporaryDir;
    static const struct Cleanup {
        ~Cleanup() { folder->remove(); }
    } cleanup;
    return folder->path();
}

QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void failOn(const std::optional<QString>& problem)
{
    if (!problem)
        return;
    std::fprintf(stderr, "\nproperty broken: %s\n", qPrintable(*problem));
    std::abort();
}

} // namespace kw::fuzz
