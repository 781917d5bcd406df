#pragma once

#include "shell/registrybackend.h"

namespace kw {

// The system's own registry (Windows only).
class WinRegistryBackend : public RegistryBackend {
public:
    bool openKey(RegistryRoot root, const QString& subKey) const override;
    std::optional<QString> queryValue(RegistryRoot root, const QString& subKey, const QString& name) const override;
    bool createKey(RegistryRoot root, const QString& subKey, QString* reason) override;
    bool setValue(RegistryRoot root, const QString& subKey, const QString& name, const QString& value,
                  QString* reason) override;
    bool deleteKey(RegistryRoot root, const QString& subKey, QString* reason) override;
};

} // namespace kw
