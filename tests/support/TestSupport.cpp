#include "TestSupport.h"

#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace brevane::test {

MessageRecorder::MessageRecorder()
{
    previous_ = InstallMessageSink(this);
}

MessageRecorder::~MessageRecorder()
{
    InstallMessageSink(previous_);
}

void MessageRecorder::Show(const ErrorMessage &message)
{
    messages_.append(message);
}

QList<int> MessageRecorder::numbers() const
{
    QList<int> result;
    for (const ErrorMessage &m : messages_)
        result.append(m.number);
    return result;
}

PdfTools FindPdfTools()
{
    return {QStandardPaths::findExecutable(QStringLiteral("soffice")),
            QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo"))};
}

namespace {

// Runs a tool to its end (at most 8 minutes); its output, or empty when it
// did not end normally.
QString runTool(const QString &program, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(480000) && process.exitStatus() == QProcess::NormalExit;
    if (ok)
        *ok = ended;
    return ended ? QString::fromUtf8(process.readAll()) : QString();
}

} // namespace

QString PdfTools::ConvertToPdf(const QString &rtf, QString *log) const
{
    const QFileInfo document(rtf);
    const QString folder = document.absolutePath();
    const QString profile = QUrl::fromLocalFile(folder + QStringLiteral("/profile")).toString();
    const QString said = runTool(
        soffice, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=") + profile,
                  QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), folder, rtf});
    if (log)
        *log = said;
    const QString pdf = folder + QLatin1Char('/') + document.completeBaseName() + QStringLiteral(".pdf");
    return QFileInfo(pdf).size() > 0 ? pdf : QString();
}

QString PdfTools::Text(const QString &pdf, const QStringList &arguments) const
{
    return runTool(pdftotext, arguments + QStringList{pdf, QStringLiteral("-")});
}

QString PdfTools::Info(const QString &pdf, const QStringList &arguments) const
{
    return runTool(pdfinfo, arguments + QStringList{pdf});
}

void UseUnitedStatesLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString SourceDir()
{
    const QByteArray dir = qgetenv("BREVANE_SOURCE_DIR");
    return dir.isEmpty() ? QStringLiteral(".") : QString::fromLocal8Bit(dir);
}

} // namespace brevane::test
