#include "shell/winregistrybackend.h"

#include <windows.h>

#include <vector>

namespace kw {

namespace {

HKEY rootHandle(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    }
    return HKEY_CURRENT_USER;
}

const wchar_t* wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

QString systemReason(LSTATUS status)
{
    wchar_t* buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = buffer ? QString::fromWCharArray(buffer).trimmed() : QStringLiteral("error %1").arg(status);
    LocalFree(buffer);
    return text;
}

// An open key, closed in every case.
class OpenKey {
public:
    OpenKey(RegistryRoot root, const QString& subKey, REGSAM access)
    {
        m_status = RegOpenKeyExW(rootHandle(root), wide(subKey), 0, access, &m_key);
    }
    ~OpenKey()
    {
        if (m_status == ERROR_SUCCESS)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    bool ok() const { return m_status == ERROR_SUCCESS; }
    HKEY handle() const { return m_key; }

private:
    HKEY m_key = nullptr;
    LSTATUS m_status = ERROR_INVALID_HANDLE;
};

} // namespace

bool WinRegistryBackend::openKey(RegistryRoot root, const QString& subKey) const
{
    return OpenKey(root, subKey, KEY_ALL_ACCESS).ok();
}

std::optional<QString> WinRegistryBackend::queryValue(RegistryRoot root, const QString& subKey,
                                                      const QString& name) const
{
    OpenKey key(root, subKey, KEY_QUERY_VALUE);
    if (!key.ok())
        return std::nullopt;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.handle(), wide(name), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.handle(), wide(name), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    // The stored text ends at its terminating zero, when it has one.
    qsizetype length = static_cast<qsizetype>(size / sizeof(wchar_t));
    while (length > 0 && buffer[length - 1] == L'\0')
        --length;
    return QString::fromWCharArray(buffer.data(), length);
}

bool WinRegistryBackend::createKey(RegistryRoot root, const QString& subKey, QString* reason)
{
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(rootHandle(root), wide(subKey), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        *reason = QStringLiteral("The key %1\\%2 could not be made: %3").arg(rootName(root), subKey, systemReason(status));
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool WinRegistryBackend::setValue(RegistryRoot root, const QString& subKey, const QString& name, const QString& value,
                                  QString* reason)
{
    OpenKey key(root, subKey, KEY_SET_VALUE);
    LSTATUS status = ERROR_FILE_NOT_FOUND;
    if (key.ok()) {
        const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        status = RegSetValueExW(key.handle(), wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide(value)), bytes);
    }
    if (status != ERROR_SUCCESS) {
        *reason = QStringLiteral("The value \"%1\" of %2\\%3 could not be stored: %4")
                      .arg(name, rootName(root), subKey, systemReason(status));
        return false;
    }
    return true;
}

bool WinRegistryBackend::deleteKey(RegistryRoot root, const QString& subKey, QString* reason)
{
    // The whole tree goes: a class key holds its Shell\Open\Command keys below it.
    if (subKey.isEmpty())
        return false;
    const LSTATUS status = RegDeleteTreeW(rootHandle(root), wide(subKey));
    if (status != ERROR_SUCCESS) {
        *reason = QStringLiteral("The key %1\\%2 could not be deleted: %3").arg(rootName(root), subKey, systemReason(status));
        return false;
    }
    // Whatever the tree deletion left of the key itself goes too.
    RegDeleteKeyW(rootHandle(root), wide(subKey));
    return true;
}

} // namespace kw
