#include "shell/registryfile.h"

#include <QStringDecoder>
#include <QStringList>

namespace kw {

namespace {

const QChar kSeparator = QLatin1Char('\\');

bool needsEscape(const QString& text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (c < 0x20 || c == 0x7F || c == u'%' || c == u'"')
        return true;
    // A surrogate is kept as it is only as half of a whole pair: UTF-8 cannot hold it alone.
    if (QChar::isHighSurrogate(c))
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (QChar::isLowSurrogate(c))
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (needsEscape(text, i))
            out += QStringLiteral("%%1").arg(text[i].unicode(), 4, 16, QLatin1Char('0')).toUpper();
        else
            out += text[i];
    }
    return out;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<QString> unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('%')) {
            out += text[i];
            continue;
        }
        if (i + 4 >= text.size())
            return std::nullopt;
        uint unit = 0;
        for (qsizetype d = i + 1; d <= i + 4; ++d) {
            const int digit = hexDigit(text[d]);
            if (digit < 0)
                return std::nullopt;
            unit = unit * 16 + static_cast<uint>(digit);
        }
        out += QChar(static_cast<char16_t>(unit));
        i += 4;
    }
    return out;
}

// A quoted name or text at the start of `line`: its text, and the rest of the line after it.
std::optional<std::pair<QString, QStringView>> quoted(QStringView line)
{
    if (!line.startsWith(QLatin1Char('"')))
        return std::nullopt;
    const qsizetype end = line.indexOf(QLatin1Char('"'), 1);
    if (end < 0)
        return std::nullopt;
    const std::optional<QString> text = unescaped(line.mid(1, end - 1));
    if (!text)
        return std::nullopt;
    return std::pair{*text, line.mid(end + 1)};
}

} // namespace

std::optional<QString> keyPathProblem(const QString& subKey)
{
    if (subKey.isEmpty())
        return std::nullopt;
    const QStringList names = subKey.split(kSeparator);
    if (names.size() > kMaxKeyDepth)
        return QStringLiteral("the key has more than %1 levels").arg(kMaxKeyDepth);
    for (const QString& name : names) {
        if (name.isEmpty())
            return QStringLiteral("the key \"%1\" has an empty name in it").arg(subKey);
        if (name.size() > kMaxKeyNameLength)
            return QStringLiteral("a key name is longer than %1 characters").arg(kMaxKeyNameLength);
    }
    return std::nullopt;
}

QString RegistryData::fold(RegistryRoot root, const QString& path)
{
    QString full = rootName(root);
    if (!path.isEmpty())
        full += kSeparator + path.toCaseFolded();
    return full;
}

bool RegistryData::hasKey(RegistryRoot root, const QString& path) const
{
    if (path.isEmpty())
        return true;
    const QString folded = fold(root, path);
    if (m_keys.contains(folded))
        return true;
    // Or a key below it: the first key in order after "path\" would be one.
    const QString below = folded + kSeparator;
    const auto it = m_keys.lowerBound(below);
    return it != m_keys.cend() && it.key().startsWith(below);
}

std::optional<QString> RegistryData::value(RegistryRoot root, const QString& path, const QString& name) const
{
    const auto key = m_keys.constFind(fold(root, path));
    if (key == m_keys.cend())
        return std::nullopt;
    const auto found = key->values.constFind(name.toCaseFolded());
    if (found == key->values.cend())
        return std::nullopt;
    return found->text;
}

RegistryData::Key& RegistryData::explicitKey(RegistryRoot root, const QString& path)
{
    const QString folded = fold(root, path);
    auto it = m_keys.find(folded);
    if (it == m_keys.end())
        it = m_keys.insert(folded, Key{root, path, {}});
    return *it;
}

void RegistryData::createKey(RegistryRoot root, const QString& path)
{
    explicitKey(root, path);
}

void RegistryData::setValue(RegistryRoot root, const QString& path, const QString& name, const QString& text)
{
    explicitKey(root, path).values.insert(name.toCaseFolded(), Value{name, text});
}

bool RegistryData::deleteKey(RegistryRoot root, const QString& path)
{
    if (path.isEmpty() || !hasKey(root, path))
        return false;
    const QString folded = fold(root, path);
    m_keys.remove(folded);
    const QString below = folded + kSeparator;
    auto it = m_keys.lowerBound(below);
    while (it != m_keys.end() && it.key().startsWith(below))
        it = m_keys.erase(it);
    // The key above was there before and stays, even when nothing else holds it up.
    const qsizetype cut = path.lastIndexOf(kSeparator);
    if (cut > 0 && !hasKey(root, path.left(cut)))
        createKey(root, path.left(cut));
    return true;
}

RegistryFileReading readRegistryFile(const QByteArray& bytes)
{
    RegistryFileReading reading;
    auto refuse = [&reading](qsizetype line, const QString& why) {
        reading.data = {};
        reading.problem = line > 0 ? QStringLiteral("line %1 %2").arg(line).arg(why) : why;
        return reading;
    };
    if (bytes.size() > kMaxRegistryFileBytes)
        return refuse(0, QStringLiteral("the file is larger than %1 bytes").arg(kMaxRegistryFileBytes));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return refuse(0, QStringLiteral("the file is not UTF-8 text"));

    std::optional<RegistryRoot> root;
    QString path;
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (n == 0 && line.startsWith(QChar(0xFEFF)))
            line = line.mid(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')) || line.size() < 2)
                return refuse(n + 1, QStringLiteral("starts a key without closing it with \"]\""));
            const std::optional<QString> full = unescaped(line.mid(1, line.size() - 2));
            if (!full)
                return refuse(n + 1, QStringLiteral("has a \"%\" that is not followed by four hexadecimal digits"));
            const qsizetype cut = full->indexOf(kSeparator);
            root = rootNamed(cut < 0 ? *full : full->left(cut));
            if (!root)
                return refuse(n + 1, QStringLiteral("names no known root"));
            path = cut < 0 ? QString() : full->mid(cut + 1);
            if (const std::optional<QString> problem = keyPathProblem(path))
                return refuse(n + 1, QStringLiteral("names a key that cannot be: ") + *problem);
            reading.data.createKey(*root, path);
            continue;
        }
        if (!root)
            return refuse(n + 1, QStringLiteral("holds a value before any key"));
        QString name;
        QStringView rest;
        if (line.startsWith(QLatin1Char('@'))) {
            rest = line.mid(1);
        } else if (const auto namePart = quoted(line)) {
            name = namePart->first;
            rest = namePart->second;
        } else {
            return refuse(n + 1, QStringLiteral("is neither a key nor a value"));
        }
        if (!rest.startsWith(QLatin1Char('=')))
            return refuse(n + 1, QStringLiteral("has no \"=\" after the value's name"));
        const auto textPart = quoted(rest.mid(1));
        if (!textPart || !textPart->second.isEmpty())
            return refuse(n + 1, QStringLiteral("has no text in double quotes after the \"=\""));
        reading.data.setValue(*root, path, name, textPart->first);
    }
    return reading;
}

QByteArray writeRegistryFile(const RegistryData& data)
{
    QString text = QStringLiteral(
        "; Starmarch Keelwright settings: registry keys and their values, as the program keeps them.\n"
        "; [ROOT\\key] starts a key; \"name\"=\"text\" or @=\"text\" (the default value) sets a value;\n"
        "; %HHHH stands for the character with that hexadecimal code.\n");
    for (const RegistryData::Key& key : data.keys()) {
        text += QStringLiteral("\n[") + escaped(rootName(key.root));
        if (!key.path.isEmpty())
            text += kSeparator + escaped(key.path);
        text += QStringLiteral("]\n");
        for (const RegistryData::Value& value : key.values) {
            text += value.name.isEmpty() ? QStringLiteral("@") : QLatin1Char('"') + escaped(value.name) + QLatin1Char('"');
            text += QStringLiteral("=\"") + escaped(value.text) + QStringLiteral("\"\n");
        }
    }
    return text.toUtf8();
}

} // namespace kw
