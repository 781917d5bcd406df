#pragma once

#include "tests/support/testfolder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace kw::test {

// Each key of `expected` is in `o` with that value; numbers compare by value, whole or not.
inline void expectFields(const QJsonObject& o, const QJsonObject& expected)
{
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QJsonValue value = o.value(it.key());
        if (it->isDouble())
            EXPECT_TRUE(value.isDouble() && value.toDouble() == it->toDouble()) << it.key().toStdString();
        else
            EXPECT_EQ(value, *it) << it.key().toStdString();
    }
}

struct CliRun {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// Runs keelwright-cli over a throw-away program folder, as a script would.
class CliTest : public ::testing::Test {
protected:
    CliRun cli(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KEELWRIGHT_HOME", folder.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KEELWRIGHT_CLI), args);
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
    QJsonObject json(const QStringList& args)
    {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out).object();
    }
    QString vigilant() { return test::dataFile("ships/vigilant.shp"); }

    test::TestFolder folder;
};

} // namespace kw::test
