// makesamples SIDES.txt OUTDIR: builds the sample designs with the editor and writes them as
// OUTDIR/<side>/<name>.shp, every icon placed and salvo launchers linked to their magazines.
#include "common/userprompts.h"
#include "editor/shipeditor.h"
#include "model/weaponkinds.h"
#include "tools/makesamples/sampledesigns.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class NoPrompts : public kw::UserPrompts {
public:
    kw::PromptAnswer ask(const kw::PromptMessage& m) override
    {
        if (!quiet)
            std::fprintf(stderr, "makesamples: %s\n", qPrintable(m.text));
        return kw::PromptAnswer::Ok;
    }
    std::optional<QString> openFileName(const kw::FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const kw::FileDialogRequest&) override { return std::nullopt; }

    // Set while linking, whose instructions to the user are no news here.
    bool quiet = false;
};

// Every launcher feeds from every magazine, linked as a player links them.
void linkSalvoWeapons(kw::ShipEditor& editor, NoPrompts& prompts)
{
    prompts.quiet = true;
    const kw::ShipRecord& ship = editor.ship();
    for (const kw::SystemIcon& launcher : editor.display().icons()) {
        const auto l = launcher.mountNumber();
        if (!l || kw::salvoEndOf(ship.Weapons[*l]) != kw::SalvoEnd::Launcher)
            continue;
        for (const kw::SystemIcon& magazine : editor.display().icons()) {
            const auto m = magazine.mountNumber();
            if (!m || kw::salvoEndOf(ship.Weapons[*m]) != kw::SalvoEnd::Magazine)
                continue;
            editor.startLink();
            editor.clickIcon(launcher.index, false);
            editor.clickIcon(magazine.index, false);
        }
    }
    prompts.quiet = false;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makesamples SIDES.txt OUTDIR\n");
        return 2;
    }
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/Ships");
    QFile::copy(QString::fromLocal8Bit(argv[1]), home.path() + "/Ships/Sides.txt");
    const QString out = QString::fromLocal8Bit(argv[2]);

    NoPrompts prompts;
    int count = 0;
    const kw::SampleDesign* samples = kw::sampleDesigns(count);
    for (int i = 0; i < count; ++i) {
        kw::ShipEditor editor(prompts, home.path());
        editor.Load();
        editor.chooseSide(static_cast<int>(editor.fields().sides.indexOf(QString::fromLatin1(samples[i].side))));
        editor.setNameText(QString::fromLatin1(samples[i].name));
        samples[i].build(editor);
        editor.AutoCalc();
        kw::arrangeIcons(editor);
        linkSalvoWeapons(editor, prompts);
        const QString folder = out + QLatin1Char('/') + QString::fromLatin1(samples[i].side);
        QDir().mkpath(folder);
        QString error;
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(samples[i].name) + QStringLiteral(".shp");
        if (!editor.iconsMatchDesign() || !editor.exportShipFile(path, false, &error)) {
            std::fprintf(stderr, "makesamples: %s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
        std::printf("%s: mass %d, NPV %d, %d icons\n", qPrintable(path), editor.ship().TMF, editor.ship().NPV,
                    editor.display().iconCount());
    }
    return 0;
}
