#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace kw {

// The program's scratch space: the folder "temp" in the program folder and, inside it, one
// folder of this run's own. Nothing in a run's folder outlives the run: the orderly end removes
// it, and a run that ended otherwise has its folder removed by the next run that finds it dead
// (each run holds a lock file in its folder). "temp" itself goes only when this program made it
// (it then holds a marker file) and nothing else is left in it; a "temp" of the user's own is
// never removed, and one run never touches the folder of a run that is still alive.
class ScratchFolder {
public:
    explicit ScratchFolder(const QString& programFolder);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // This run's folder, made at the first call; empty (with the reason) when it cannot be made.
    QString runFolder(QString* error = nullptr);

    // Removes this run's folder with everything in it, then "temp" when it is ours and empty.
    // Called at the end of the run; safe to call more than once.
    void cleanUp();

    // The marker file in a "temp" that this program made.
    static QString markerName();

private:
    bool makeTempFolder(QString* error);
    void removeDeadRuns();

    QString m_temp;
    QString m_run;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace kw
