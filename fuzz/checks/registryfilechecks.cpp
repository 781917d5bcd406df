#include "fuzz/checks/registryfilechecks.h"

#include "shell/registryfile.h"

namespace kw::fuzz {

std::optional<QString> registryFileProblem(const QByteArray& bytes)
{
    const RegistryFileReading reading = readRegistryFile(bytes);
    if (reading.problem) {
        if (reading.problem->isEmpty())
            return QStringLiteral("the file was refused without a reason");
        if (!reading.data.keys().isEmpty())
            return QStringLiteral("a refused file still gave keys");
        return std::nullopt;
    }
    const QByteArray written = writeRegistryFile(reading.data);
    const RegistryFileReading again = readRegistryFile(written);
    if (again.problem)
        return QStringLiteral("the file written was refused: %1").arg(*again.problem);
    if (!(again.data == reading.data))
        return QStringLiteral("%1 keys read, %2 after writing them and reading again")
            .arg(reading.data.keys().size())
            .arg(again.data.keys().size());
    if (writeRegistryFile(again.data) != written)
        return QStringLiteral("writing the same keys twice gave two different files");
    return std::nullopt;
}

} // namespace kw::fuzz
