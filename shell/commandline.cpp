#include "shell/commandline.h"

namespace kw {

namespace {

using Target = CommandLineAction::Target;

// "/S" or "/F" in any case.
std::optional<Target> switchTarget(const QString& text)
{
    const QString word = text.left(2).toUpper();
    if (word == QLatin1String("/S"))
        return Target::Ship;
    if (word == QLatin1String("/F"))
        return Target::Fleet;
    return std::nullopt;
}

// The switch, one separator character and the path after it.
CommandLineAction switchAndPath(const QString& text)
{
    if (text.size() < 3)
        return {};
    if (const std::optional<Target> target = switchTarget(text))
        return {*target, text.mid(3)};
    return {};
}

bool isDesignFile(const QString& path)
{
    return path.endsWith(QLatin1String(".shp"), Qt::CaseInsensitive)
           || path.endsWith(QLatin1String(".flt"), Qt::CaseInsensitive);
}

} // namespace

CommandLineAction ProcessCommandLine(const QString& argumentString)
{
    if (argumentString.isEmpty())
        return {};
    // The outer quotes go without being looked at; a string too short to have had them, a
    // switch and a separator leads to the menu.
    return switchAndPath(argumentString.mid(1, argumentString.size() - 2));
}

CommandLineAction commandLineAction(const QStringList& arguments, const std::function<bool(const QString&)>& isFile)
{
    const QString joined = arguments.join(QLatin1Char(' '));
    if (joined.size() >= 2 && joined.startsWith(QLatin1Char('"')) && joined.endsWith(QLatin1Char('"')))
        return ProcessCommandLine(joined);
    if (arguments.size() == 2 && arguments[0].size() == 2 && switchTarget(arguments[0]))
        return {*switchTarget(arguments[0]), arguments[1]};
    if (arguments.size() == 1) {
        const QString& only = arguments[0];
        if (switchTarget(only) && only.size() >= 3 && only[2] == QLatin1Char(' '))
            return switchAndPath(only);
        if (isDesignFile(only) && isFile(only)) {
            const bool fleet = only.endsWith(QLatin1String(".flt"), Qt::CaseInsensitive);
            return {fleet ? Target::Fleet : Target::Ship, only};
        }
    }
    return {};
}

} // namespace kw
