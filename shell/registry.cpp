#include "shell/registry.h"

#include "common/userprompts.h"

namespace kw {

namespace {

QString hexNumber(quint32 number)
{
    return QString::number(number, 16).toUpper();
}

} // namespace

QString rootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    }
    return {};
}

std::optional<RegistryRoot> rootNamed(const QString& name)
{
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::ClassesRoot, RegistryRoot::LocalMachine}) {
        if (name.compare(rootName(root), Qt::CaseInsensitive) == 0)
            return root;
    }
    return std::nullopt;
}

RegistryError::RegistryError(quint32 number, const QString& source, const QString& description, const QString& reason)
    : std::runtime_error(description.toStdString()), m_number(number), m_source(source), m_description(description),
      m_reason(reason)
{
}

QString RegistryError::message() const
{
    QString text = m_description + QStringLiteral("\r\n(error %1 in %2)").arg(hexNumber(m_number), m_source);
    if (!m_reason.isEmpty())
        text += QStringLiteral("\r\n\r\n") + m_reason;
    return text;
}

QString Registry::GetRegString(RegistryRoot hKey, const QString& subKey, const QString& valueName) const
{
    // A key that is not there reads as empty: that is how a first run shows.
    if (!m_backend.openKey(hKey, subKey))
        return {};
    const std::optional<QString> value = m_backend.queryValue(hKey, subKey, valueName);
    if (!value) {
        throw RegistryError(kErrQueryValue, QStringLiteral("GetRegString"), QStringLiteral("RegQueryValueEx failed!"),
                            QStringLiteral("The value \"%1\" of %2\\%3 could not be read.")
                                .arg(valueName, rootName(hKey), subKey));
    }
    return *value;
}

void Registry::SetRegString(RegistryRoot hKey, const QString& subKey, const QString& valueName, const QString& value)
{
    QString reason;
    if (!m_backend.createKey(hKey, subKey, &reason))
        throw RegistryError(kErrCreateKey, QStringLiteral("SetRegString"), QStringLiteral("RegCreateKeyEx failed!"), reason);
    if (!m_backend.setValue(hKey, subKey, valueName, value, &reason))
        throw RegistryError(kErrSetValue, QStringLiteral("SetRegString"), QStringLiteral("RegSetValueEx failed!"), reason);
}

bool Registry::DeleteRegValue(RegistryRoot hKey, const QString& subKey, const QString& name, bool confirm)
{
    if (!m_backend.openKey(hKey, subKey)) {
        throw RegistryError(kErrOpenKey, QStringLiteral("DeleteRegValue"), QStringLiteral("RegOpenKeyEx failed!"),
                            QStringLiteral("The key %1\\%2 could not be opened.").arg(rootName(hKey), subKey));
    }
    if (confirm) {
        PromptMessage question{QStringLiteral("Are you sure you want to delete ") + name + QLatin1Char('?'), kAppTitle,
                               PromptButtons::YesNo, PromptIcon::Question};
        question.defaultAnswer = PromptAnswer::No;
        if (m_prompts.ask(question) != PromptAnswer::Yes)
            return false;
    }
    QString target = subKey;
    if (!name.isEmpty())
        target = subKey.isEmpty() ? name : subKey + QLatin1Char('\\') + name;
    // A root is never deleted, whatever the names say.
    if (target.isEmpty() || !m_backend.openKey(hKey, target))
        return false;
    QString reason;
    return m_backend.deleteKey(hKey, target, &reason);
}

std::optional<QString> Registry::GetKeyValue(RegistryRoot hKey, const QString& keyName, const QString& valueName) const
{
    return m_backend.queryValue(hKey, keyName, valueName);
}

} // namespace kw
