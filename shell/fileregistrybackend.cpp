#include "shell/fileregistrybackend.h"

#include "storage/filesaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kw {

namespace {

const QString kFileName = QStringLiteral("registry.txt");

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

FileRegistryBackend::FileRegistryBackend(const QString& filePath) : m_path(filePath) {}

QString FileRegistryBackend::defaultFilePath()
{
    const QString folder = qEnvironmentVariable("KEELWRIGHT_SETTINGS");
    if (!folder.isEmpty())
        return QDir(folder).filePath(kFileName);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(kFileName);
}

RegistryFileReading FileRegistryBackend::read() const
{
    // No file yet: nothing has been stored, as on a first run.
    if (!QFileInfo::exists(m_path))
        return {};
    QByteArray bytes;
    QString error;
    if (!readWholeFile(m_path, kMaxRegistryFileBytes, bytes, &error))
        return {{}, error};
    return readRegistryFile(bytes);
}

std::optional<QString> FileRegistryBackend::problem() const
{
    const RegistryFileReading reading = read();
    if (!reading.problem)
        return std::nullopt;
    return QStringLiteral("The settings file %1 could not be read: %2.").arg(shown(m_path), *reading.problem);
}

bool FileRegistryBackend::openKey(RegistryRoot root, const QString& subKey) const
{
    return !keyPathProblem(subKey) && read().data.hasKey(root, subKey);
}

std::optional<QString> FileRegistryBackend::queryValue(RegistryRoot root, const QString& subKey,
                                                       const QString& name) const
{
    return read().data.value(root, subKey, name);
}

template <typename Change>
bool FileRegistryBackend::change(QString* reason, Change&& apply)
{
    RegistryFileReading reading = read();
    if (reading.problem) {
        // What cannot be read cannot be rewritten without losing what it holds.
        *reason = QStringLiteral("The settings file %1 could not be read (%2), so it is left as it is and nothing "
                                 "is saved in it.")
                      .arg(shown(m_path), *reading.problem);
        return false;
    }
    const RegistryData before = reading.data;
    if (!apply(reading.data))
        return false;
    if (reading.data == before && QFileInfo::exists(m_path))
        return true;
    QString error;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        *reason = QStringLiteral("The settings folder %1 could not be created.").arg(shown(QFileInfo(m_path).absolutePath()));
        return false;
    }
    if (!saveFileAtomically(m_path, writeRegistryFile(reading.data), &error)) {
        *reason = QStringLiteral("The settings file %1 could not be written: %2").arg(shown(m_path), error);
        return false;
    }
    return true;
}

bool FileRegistryBackend::createKey(RegistryRoot root, const QString& subKey, QString* reason)
{
    return change(reason, [&](RegistryData& data) {
        if (const std::optional<QString> problem = keyPathProblem(subKey)) {
            *reason = QStringLiteral("The key %1\\%2 cannot be made: %3.").arg(rootName(root), subKey, *problem);
            return false;
        }
        if (!data.hasKey(root, subKey))
            data.createKey(root, subKey);
        return true;
    });
}

bool FileRegistryBackend::setValue(RegistryRoot root, const QString& subKey, const QString& name, const QString& value,
                                   QString* reason)
{
    return change(reason, [&](RegistryData& data) {
        if (keyPathProblem(subKey) || !data.hasKey(root, subKey)) {
            *reason = QStringLiteral("The key %1\\%2 does not exist.").arg(rootName(root), subKey);
            return false;
        }
        data.setValue(root, subKey, name, value);
        return true;
    });
}

bool FileRegistryBackend::deleteKey(RegistryRoot root, const QString& subKey, QString* reason)
{
    return change(reason, [&](RegistryData& data) {
        if (keyPathProblem(subKey) || !data.deleteKey(root, subKey)) {
            *reason = QStringLiteral("The key %1\\%2 does not exist.").arg(rootName(root), subKey);
            return false;
        }
        return true;
    });
}

} // namespace kw
