#include "fuzz/fuzzsupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
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

// Texts of findings already known, one per line, from the file KEELWRIGHT_FUZZ_KNOWN names: a
// problem that contains one is passed over, so a run can look for the other kinds.
const QStringList& knownFindings()
{
    static const QStringList known = [] {
        QStringList lines;
        QFile file(qEnvironmentVariable("KEELWRIGHT_FUZZ_KNOWN"));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                    lines << QString::fromUtf8(line.trimmed());
            }
        }
        return lines;
    }();
    return known;
}

void failOn(const std::optional<QString>& problem)
{
    if (!problem)
        return;
    for (const QString& known : knownFindings()) {
        if (problem->contains(known))
            return;
    }
    std::fprintf(stderr, "\nproperty broken: %s\n", qPrintable(*problem));
    std::abort();
}

} // namespace kw::fuzz
