#pragma once

#include "shell/registryfile.h"

namespace kw {

// The registry kept in one file, for systems without one. Every operation reads the file
// afresh, so two running copies of the program see each other's settings; every change writes
// the whole file again, atomically. A file that cannot be read is reported and never written.
class FileRegistryBackend : public RegistryBackend {
public:
    explicit FileRegistryBackend(const QString& filePath);

    // KEELWRIGHT_SETTINGS names the folder when set; otherwise the user's configuration folder.
    static QString defaultFilePath();
    QString filePath() const { return m_path; }

    bool openKey(RegistryRoot root, const QString& subKey) const override;
    std::optional<QString> queryValue(RegistryRoot root, const QString& subKey, const QString& name) const override;
    bool createKey(RegistryRoot root, const QString& subKey, QString* reason) override;
    bool setValue(RegistryRoot root, const QString& subKey, const QString& name, const QString& value,
                  QString* reason) override;
    bool deleteKey(RegistryRoot root, const QString& subKey, QString* reason) override;
    std::optional<QString> problem() const override;

private:
    RegistryFileReading read() const;
    // Reads, applies the change and writes; the change returns false with a reason to refuse.
    template <typename Change>
    bool change(QString* reason, Change&& apply);

    QString m_path;
};

} // namespace kw
