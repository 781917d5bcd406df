#pragma once

#include "shell/registrybackend.h"

#include <QString>
#include <optional>
#include <stdexcept>

namespace kw {

class UserPrompts;

// The base of the program's own error numbers; a registry failure adds 6001 to 6004.
inline constexpr quint32 vbObjectError = 0x80040000u;
inline constexpr quint32 kErrQueryValue = vbObjectError + 6001;   // 80041771
inline constexpr quint32 kErrSetValue = vbObjectError + 6002;     // 80041772
inline constexpr quint32 kErrCreateKey = vbObjectError + 6003;    // 80041773
inline constexpr quint32 kErrOpenKey = vbObjectError + 6004;      // 80041774

// A failure of the registry layer: its number, the operation as source, the fixed description,
// and the reason the store gave (the file and why), for the user.
class RegistryError : public std::runtime_error {
public:
    RegistryError(quint32 number, const QString& source, const QString& description, const QString& reason);
    quint32 number() const { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }
    QString reason() const { return m_reason; }
    // The description, the number and source, and the reason, one to a line.
    QString message() const;

private:
    quint32 m_number;
    QString m_source;
    QString m_description;
    QString m_reason;
};

// The registry access layer. Every failure is raised as a RegistryError.
class Registry {
public:
    Registry(RegistryBackend& backend, UserPrompts& prompts) : m_backend(backend), m_prompts(prompts) {}

    // The text of a value; "" when the key does not exist. A value that cannot be read in an
    // existing key raises 80041771.
    QString GetRegString(RegistryRoot hKey, const QString& subKey, const QString& valueName) const;
    // Creates the key as needed (80041773 when it cannot) and stores the text (80041772).
    void SetRegString(RegistryRoot hKey, const QString& subKey, const QString& valueName, const QString& value);
    // Opens subKey (80041774 when it cannot), asks first when confirm is set, then deletes the
    // key called name below it, or subKey itself when name is empty. Returns whether a key was
    // deleted; a failed deletion is not an error.
    bool DeleteRegValue(RegistryRoot hKey, const QString& subKey, const QString& name, bool confirm);

    // A read-only look-up that raises nothing (the About box's search for the system
    // information tool).
    std::optional<QString> GetKeyValue(RegistryRoot hKey, const QString& keyName, const QString& valueName) const;

    RegistryBackend& backend() const { return m_backend; }

private:
    RegistryBackend& m_backend;
    UserPrompts& m_prompts;
};

} // namespace kw
