#include "common/scratchfolder.h"

#include "storage/filesaving.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

namespace kw {

namespace {

const QString kRunPrefix = QStringLiteral("run-");
const QString kLockName = QStringLiteral("run.lock");
const QByteArray kMarkerText = "Scratch files of Keelwright; removed when the last run using them ends.\r\n";

// Read-only files go too.
bool removeFolder(const QString& path)
{
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (!QFileInfo(entry).isSymLink())
            QFile::setPermissions(entry, QFile::permissions(entry) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    return QDir(path).removeRecursively();
}

} // namespace

ScratchFolder::ScratchFolder(const QString& programFolder) : m_temp(scratchFolder(programFolder))
{
}

ScratchFolder::~ScratchFolder()
{
    cleanUp();
}

QString ScratchFolder::markerName()
{
    return QStringLiteral(".keelwright-scratch");
}

QString ScratchFolder::runFolder(QString* error)
{
    if (!m_run.isEmpty())
        return m_run;
    if (!makeTempFolder(error))
        return {};
    removeDeadRuns();
    QTemporaryDir run(m_temp + QLatin1Char('/') + kRunPrefix + QStringLiteral("XXXXXX"));
    if (!run.isValid()) {
        if (error)
            *error = QStringLiteral("The scratch folder %1 could not be made: %2")
                         .arg(QDir::toNativeSeparators(m_temp), run.errorString());
        return {};
    }
    run.setAutoRemove(false);
    m_run = run.path();
    // The lock tells other runs that this folder is alive; it is released only at the end.
    m_lock = std::make_unique<QLockFile>(m_run + QLatin1Char('/') + kLockName);
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
    return m_run;
}

bool ScratchFolder::makeTempFolder(QString* error)
{
    const QFileInfo temp(m_temp);
    if (temp.isDir())
        return true;
    if (temp.exists() || temp.isSymLink() || !QDir().mkdir(m_temp)) {
        if (error)
            *error = QStringLiteral("The scratch folder %1 could not be made.").arg(QDir::toNativeSeparators(m_temp));
        return false;
    }
    // Made here, so it may go again once it is empty.
    saveFileAtomically(m_temp + QLatin1Char('/') + markerName(), kMarkerText, nullptr);
    return true;
}

void ScratchFolder::removeDeadRuns()
{
    const QStringList runs = QDir(m_temp).entryList({kRunPrefix + QLatin1Char('*')},
                                                    QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : runs) {
        const QString folder = m_temp + QLatin1Char('/') + name;
        const QString lockPath = folder + QLatin1Char('/') + kLockName;
        // A folder without its lock may be one that another run is only now setting up.
        if (QFileInfo(folder).isSymLink() || !QFileInfo::exists(lockPath))
            continue;
        // Never judged by age: a lock is taken over only when the run that holds it is gone.
        QLockFile lock(lockPath);
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        removeFolder(folder);
    }
}

void ScratchFolder::cleanUp()
{
    if (m_run.isEmpty())
        return;
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    removeFolder(m_run);
    m_run.clear();

    const QString marker = m_temp + QLatin1Char('/') + markerName();
    if (!QFileInfo::exists(marker))
        return;
    const QStringList left = QDir(m_temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                    | QDir::System);
    if (left != QStringList{markerName()})
        return;
    QFile::remove(marker);
    // Another run may have just made its folder here: then "temp" stays, marked as ours.
    if (!QDir().rmdir(m_temp))
        saveFileAtomically(marker, kMarkerText, nullptr);
}

} // namespace kw
