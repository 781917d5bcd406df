#pragma once

#include <QString>
#include <optional>

namespace kw {

// The three roots the program uses.
enum class RegistryRoot { CurrentUser, ClassesRoot, LocalMachine };

// "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE".
QString rootName(RegistryRoot root);
std::optional<RegistryRoot> rootNamed(const QString& name);

// Where registry keys and values are kept: the system's registry on Windows, a file elsewhere.
// Key paths are relative to the root, their names separated by backslashes (an empty path is
// the root itself); names of keys and values are compared without regard to case; the value
// with an empty name is the key's default value.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // Whether the key exists and can be opened for reading and writing.
    virtual bool openKey(RegistryRoot root, const QString& subKey) const = 0;
    // The text of a value; nothing when the key or the value cannot be read.
    virtual std::optional<QString> queryValue(RegistryRoot root, const QString& subKey, const QString& name) const = 0;
    // Creates the key and the keys above it as needed. False with the reason when it cannot.
    virtual bool createKey(RegistryRoot root, const QString& subKey, QString* reason) = 0;
    // Stores a text value in an existing key.
    virtual bool setValue(RegistryRoot root, const QString& subKey, const QString& name, const QString& value,
                          QString* reason) = 0;
    // Deletes the key with everything below it.
    virtual bool deleteKey(RegistryRoot root, const QString& subKey, QString* reason) = 0;

    // Why the store could not be read, if it could not; such a store is read as empty and never
    // written.
    virtual std::optional<QString> problem() const { return std::nullopt; }
};

} // namespace kw
