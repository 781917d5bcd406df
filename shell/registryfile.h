#pragma once

#include "shell/registrybackend.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

namespace kw {

// Limits of the Windows registry that the file keeps too.
inline constexpr int kMaxKeyNameLength = 255;
inline constexpr int kMaxKeyDepth = 512;
// A settings file larger than this is not read.
inline constexpr qint64 kMaxRegistryFileBytes = 1024 * 1024;

// Why a key path cannot name a key: an empty name, a name that is too long, too many levels.
std::optional<QString> keyPathProblem(const QString& subKey);

// Registry keys and their text values in memory. A key exists when it was created or when a key
// below it exists; the roots always exist.
class RegistryData {
public:
    struct Value {
        QString name;
        QString text;
        friend bool operator==(const Value&, const Value&) = default;
    };
    struct Key {
        RegistryRoot root = RegistryRoot::CurrentUser;
        QString path;
        QMap<QString, Value> values;   // by case-folded name
        friend bool operator==(const Key&, const Key&) = default;
    };

    bool hasKey(RegistryRoot root, const QString& path) const;
    std::optional<QString> value(RegistryRoot root, const QString& path, const QString& name) const;
    // The path must be valid (keyPathProblem).
    void createKey(RegistryRoot root, const QString& path);
    void setValue(RegistryRoot root, const QString& path, const QString& name, const QString& text);
    // Deletes the key and every key below it; the key above it stays. False when it did not exist.
    bool deleteKey(RegistryRoot root, const QString& path);

    // The keys created or holding values, by case-folded full path.
    const QMap<QString, Key>& keys() const { return m_keys; }
    friend bool operator==(const RegistryData&, const RegistryData&) = default;

private:
    static QString fold(RegistryRoot root, const QString& path);
    Key& explicitKey(RegistryRoot root, const QString& path);

    QMap<QString, Key> m_keys;
};

// The settings file: UTF-8 text; lines starting with ";" are comments; "[ROOT\path]" starts a
// key, "\"name\"=\"text\"" (or "@=\"text\"" for the default value) sets one of its values. In
// names and texts "%" followed by four hexadecimal digits stands for one UTF-16 unit, which
// keeps double quotes, "%", line breaks and any other text exactly.
struct RegistryFileReading {
    RegistryData data;
    // Why the file cannot be read (the line and what is wrong), if it cannot.
    std::optional<QString> problem;
};
RegistryFileReading readRegistryFile(const QByteArray& bytes);
QByteArray writeRegistryFile(const RegistryData& data);

} // namespace kw
