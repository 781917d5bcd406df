#pragma once

#include "shell/fileregistrybackend.h"
#include "shell/linkopener.h"
#include "shell/ui/keelwrightshell.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

namespace kw::test {

class RecordedLinks : public LinkOpener {
public:
    void OpenWithShell(const QString& target) override { opened << target; }
    QStringList opened;
};

// Lets queued calls run until the condition holds, for a second at most.
inline bool eventually(const std::function<bool()>& condition)
{
    for (int i = 0; i < 100 && !condition(); ++i)
        QTest::qWait(10);
    return condition();
}

// Runs `answer` on the next modal dialog once it is up.
inline void whenModal(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

// The whole program over a throw-away program folder and settings file, with scripted answers
// and recorded links; the screen is as large as the test says.
struct ShellRun {
    explicit ShellRun(QSize screen = {1024, 768}, const QString& settingsFile = {})
    {
        ShellEnvironment env;
        env.programFolder = folder.path();
        env.executable = QStringLiteral("/opt/keelwright/keelwright");
        env.registry = std::make_unique<FileRegistryBackend>(settingsFile.isEmpty() ? settings.filePath("registry.txt") : settingsFile);
        env.links = &links;
        env.screenSize = [screen] { return screen; };
        env.prompts = &prompts;
        // The test's own event loops must keep running after the program has ended.
        env.quit = [this] { ++quits; };
        env.findSystemInfo = [this](const Registry&) { return sysInfoTool; };
        env.startProgram = [this](const QString& program) {
            started << program;
            return true;
        };
        shell = std::make_unique<KeelwrightShell>(std::move(env));
    }

    TestFolder folder;
    QTemporaryDir settings;
    FakePrompts prompts;
    RecordedLinks links;
    std::optional<QString> sysInfoTool;
    QStringList started;
    int quits = 0;
    std::unique_ptr<KeelwrightShell> shell;
};

} // namespace kw::test
