#pragma once
// brevane-cli run as a user runs it from a shell, for the command-line tests:
// its exit status, standard output and standard error.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace brevane::test {

struct CliRun
{
    int exitCode = -1;
    QString output;
    QString errors;
};

// The brevane-cli of this build.
inline QString CliProgram()
{
    return qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/src/cli/brevane-cli");
}

// Runs brevane-cli with `args` under `locale` (LANG and LC_ALL). A run that
// takes over a minute is stopped and reported with exit status -1.
inline CliRun RunCli(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(env);
    process.start(CliProgram(), args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QStringLiteral("timed out")};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace brevane::test
