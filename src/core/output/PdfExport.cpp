#include "core/output/PdfExport.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/files/Folders.h"
#include "core/files/WholeFile.h"
#include "core/output/PrintJob.h"
#include "core/output/WarmConverter.h"

#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace brevane {

namespace {

// The document's name inside the working folder; LibreOffice names the PDF
// after it.
const QString DocumentBaseName = QStringLiteral("brevane");
// A PDF of every form is a few megabytes; this is far beyond any.
constexpr qint64 MaxPdfSize = qint64(1) << 30;
// What of LibreOffice's own words a message quotes, at most.
constexpr int MaxQuotedOutput = 400;

// The messages of a format: LibreOffice missing, stopped at the time limit,
// no output made, the output not written.
struct FormatMessages
{
    int missing;
    int timedOut;
    int notConverted;
    int notWritten;
};

FormatMessages messagesOf(PaperFormat format)
{
    if (format == PaperFormat::Word)
        return {msg::WordConverterMissing, msg::WordTimedOut, msg::WordNotConverted, msg::WordNotWritten};
    return {msg::PdfConverterMissing, msg::PdfTimedOut, msg::PdfNotConverted, msg::PdfNotWritten};
}

QString extensionOf(PaperFormat format)
{
    return format == PaperFormat::Word ? QStringLiteral("docx") : QStringLiteral("pdf");
}

QString converterOutput(QProcess &process)
{
    QString said = QString::fromLocal8Bit(process.readAll()).simplified();
    if (said.size() > MaxQuotedOutput)
        said = said.left(MaxQuotedOutput) + QStringLiteral("...");
    return said;
}

} // namespace

QString DefaultPdfProfileFolder()
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath();
    return cache + QStringLiteral("/brevane/libreoffice-profile");
}

bool PdfConverterInstalled(const PdfSettings &settings)
{
    const QFileInfo converter(settings.converter);
    return !settings.converter.isEmpty() && converter.isFile() && converter.isExecutable();
}

PdfSettings PdfSettingsFromEnvironment()
{
    PdfSettings settings;
    settings.converter = qEnvironmentVariable("BREVANE_PDF_CONVERTER");
    if (settings.converter.isEmpty()) {
        for (const char *name : {"soffice", "libreoffice"}) {
            settings.converter = QStandardPaths::findExecutable(QLatin1String(name));
            if (!settings.converter.isEmpty())
                break;
        }
    }
    bool ok = false;
    const qlonglong seconds = qEnvironmentVariable("BREVANE_PDF_TIME_LIMIT").trimmed().toLongLong(&ok);
    if (ok && seconds > 0)
        settings.timeLimitMs = int(qMin(seconds, qlonglong(MaxPdfTimeLimitSeconds)) * 1000);
    settings.profileFolder = DefaultPdfProfileFolder();
    // A stand-in for soffice is used as it is, unless a stand-in converter
    // process is named too.
    if (qEnvironmentVariableIsEmpty("BREVANE_PDF_CONVERTER") ||
        !qEnvironmentVariableIsEmpty("BREVANE_CONVERTER_HELPER"))
        settings.helper = FindConverterHelper();
    return settings;
}

ConverterSettings ConverterSettingsOf(const PdfSettings &settings)
{
    ConverterSettings converter;
    converter.helper = settings.helper;
    converter.office = settings.converter;
    converter.profileFolder = settings.profileFolder;
    converter.timeLimitMs = settings.timeLimitMs;
    return converter;
}

QStringList PdfConverterArguments(const QString &profileFolder, const QString &outFolder, const QString &document,
                                  PaperFormat format)
{
    return {QStringLiteral("--headless"),
            QStringLiteral("--norestore"),
            QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profileFolder).toString(),
            QStringLiteral("--convert-to"),
            extensionOf(format),
            QStringLiteral("--outdir"),
            outFolder,
            document};
}

QString DefaultPdfFileName(const QString &clientName, const QDate &date)
{
    QString name = FileBaseNameOf(clientName);
    if (name.isEmpty())
        name = QStringLiteral("Brevane");
    return name + QLatin1Char(' ') + date.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

QString PdfTitle(const QString &entityName, const QStringList &formCaptions)
{
    const QString forms = formCaptions.join(QStringLiteral(", "));
    const QString name = entityName.simplified();
    if (name.isEmpty())
        return forms;
    return forms.isEmpty() ? name : name + QStringLiteral(" - ") + forms;
}

PdfExport::PdfExport(const PdfSettings &settings, QObject *parent, WarmConverter *warm)
    : QObject(parent)
    , settings_(settings)
    , warm_(warm)
{}

PdfExport::~PdfExport()
{
    if (IsRunning()) {
        // Nobody waits for the end any more.
        blockSignals(true);
        cancelled_ = true;
        stopConverter();
    }
}

bool PdfExport::IsRunning() const
{
    return process_ != nullptr || warmJob_ != 0;
}

bool PdfExport::Start(const QString &document, const QString &pdfPath, PaperFormat format)
{
    if (IsRunning())
        return false;
    format_ = format;
    const FormatMessages messages = messagesOf(format);
    if (!PdfConverterInstalled(settings_)) {
        ShowError(messages.missing);
        return false;
    }
    pdfPath_ = pdfPath;
    cancelled_ = false;
    timedOut_ = false;

    work_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/brevane-pdf-XXXXXX"));
    QString error;
    const QString rtf = work_->filePath(DocumentBaseName + QStringLiteral(".rtf"));
    outFolder_ = work_->filePath(QStringLiteral("out"));
    if (!work_->isValid() || !QDir().mkpath(outFolder_) ||
        !WritePrintDocument(rtf, document, &error, WriteMode::CreateNew)) {
        ShowError(messages.notWritten, QDir::toNativeSeparators(pdfPath) + QStringLiteral(" (") +
                                           (work_->isValid() ? error : work_->errorString()) + QLatin1Char(')'));
        work_.reset();
        return false;
    }

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    if (!settings_.helper.isEmpty()) {
        // LibreOffice kept loaded: the converter process has the time limit.
        if (!warm_) {
            ownWarm_ = std::make_unique<WarmConverter>(ConverterSettingsOf(settings_));
            warm_ = ownWarm_.get();
        }
        connect(warm_, &WarmConverter::Finished, this,
                [this](quint64 job, const ConversionResult &result) { warmEnded(job, int(result.end), result.why); });
        warmJob_ =
            warm_->Convert(extensionOf(format), rtf,
                           outFolder_ + QLatin1Char('/') + DocumentBaseName + QLatin1Char('.') + extensionOf(format));
        return true;
    }

    // Brevane's profile, unless another conversion holds it: LibreOffice
    // hands a second start on the same profile to the first, so a second
    // conversion at once takes a profile of its own.
    QString profile = settings_.profileFolder;
    if (!profile.isEmpty() && QDir().mkpath(profile)) {
        profileLock_ = std::make_unique<QLockFile>(profile + QStringLiteral(".lock"));
        profileLock_->setStaleLockTime(0);
        if (!profileLock_->tryLock(0))
            profile.clear();
    } else {
        profile.clear();
    }
    if (profile.isEmpty()) {
        profileLock_.reset();
        profile = work_->filePath(QStringLiteral("profile"));
    }

    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setWorkingDirectory(work_->path());
    // Its own temporary files go into the run's folder, removed with it
    // also when the converter is stopped before it cleans up.
    const QString converterTemp = work_->filePath(QStringLiteral("tmp"));
    if (QDir().mkpath(converterTemp)) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"TMPDIR", "TMP", "TEMP"})
            environment.insert(QLatin1String(name), converterTemp);
        process_->setProcessEnvironment(environment);
    }
#ifdef Q_OS_UNIX
    // A group of its own, so that stopping it stops what it started too
    // (soffice starts the office in a process of its own).
    process_->setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    connect(process_, &QProcess::finished, this, &PdfExport::processEnded);
    // A converter that does not start ends the conversion from the event
    // loop, as every other end does, never inside Start.
    connect(
        process_, &QProcess::errorOccurred, this,
        [this, started = process_](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart && started == process_)
                processEnded();
        },
        Qt::QueuedConnection);
    connect(timer_, &QTimer::timeout, this, &PdfExport::timeLimitReached);
    timer_->start(settings_.timeLimitMs);
    process_->start(settings_.converter, PdfConverterArguments(profile, outFolder_, rtf, format));
    return true;
}

void PdfExport::Cancel()
{
    if (!IsRunning())
        return;
    cancelled_ = true;
    stopConverter();
}

void PdfExport::timeLimitReached()
{
    if (!IsRunning())
        return;
    timedOut_ = true;
    stopConverter();
}

void PdfExport::stopConverter()
{
    if (warmJob_) {
        // Finished(Cancelled) comes back at once.
        warm_->Cancel(warmJob_);
        return;
    }
    if (!process_)
        return;
#ifdef Q_OS_UNIX
    const qint64 pid = process_->processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
#endif
    process_->kill();
    process_->waitForFinished(5000);
    // The end is handled here, once, whatever the process reported.
    if (process_)
        processEnded();
}

void PdfExport::warmEnded(quint64 job, int end, const QString &why)
{
    if (job != warmJob_ || !warmJob_)
        return;
    warmJob_ = 0;
    disconnect(warm_, &WarmConverter::Finished, this, nullptr);
    const FormatMessages messages = messagesOf(format_);
    PdfResult result = PdfResult::Failed;
    switch (ConversionEnd(end)) {
    case ConversionEnd::Cancelled:
        result = PdfResult::Cancelled;
        break;
    case ConversionEnd::TimedOut:
        ShowError(messages.timedOut, QDir::toNativeSeparators(pdfPath_));
        break;
    case ConversionEnd::Failed:
        ShowError(messages.notConverted, QDir::toNativeSeparators(pdfPath_) + QStringLiteral(" (") +
                                             (why.isEmpty() ? QStringLiteral("no output made") : why) +
                                             QLatin1Char(')'));
        break;
    case ConversionEnd::Converted:
        result = collect(outFolder_ + QLatin1Char('/') + DocumentBaseName + QLatin1Char('.') + extensionOf(format_),
                         QString());
        break;
    }
    finish(result);
}

void PdfExport::processEnded()
{
    if (!process_)
        return;
    const FormatMessages messages = messagesOf(format_);
    PdfResult result;
    if (cancelled_) {
        result = PdfResult::Cancelled;
    } else if (timedOut_) {
        ShowError(messages.timedOut, QDir::toNativeSeparators(pdfPath_));
        result = PdfResult::Failed;
    } else if (process_->error() == QProcess::FailedToStart) {
        ShowError(messages.missing);
        result = PdfResult::Failed;
    } else {
        result = collectPdf();
    }
    finish(result);
}

bool IsWholePdf(const QByteArray &bytes)
{
    // The header, and the end a writer puts last: "startxref", the offset of
    // the cross-reference and "%%EOF" within the file's last kilobyte. A PDF
    // cut short anywhere lacks them.
    if (!bytes.startsWith("%PDF-"))
        return false;
    const QByteArray tail = bytes.right(1024);
    const qsizetype end = tail.lastIndexOf("%%EOF");
    const qsizetype start = tail.lastIndexOf("startxref");
    return end > 0 && start >= 0 && start < end && tail.mid(end + 5).trimmed().isEmpty();
}

bool IsWholeWordDocument(const QByteArray &bytes)
{
    // A ZIP archive's end record is its last 22 bytes and a comment of at
    // most 64 KiB; an archive cut short has none.
    if (!bytes.startsWith(QByteArrayLiteral("PK\x03\x04")))
        return false;
    const qsizetype end = bytes.right(22 + 0xFFFF).lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
    return end >= 0 && bytes.size() >= 22;
}

PdfResult PdfExport::collectPdf()
{
    const QString made = outFolder_ + QLatin1Char('/') + DocumentBaseName + QLatin1Char('.') + extensionOf(format_);
    const QString said = converterOutput(*process_);
    // LibreOffice ends with status 0 also when it could not convert: only
    // the file it leaves counts.
    const bool ended = process_->exitStatus() == QProcess::NormalExit && process_->exitCode() == 0;
    if (!ended) {
        QString why = QStringLiteral("LibreOffice ended with status %1").arg(process_->exitCode());
        if (!said.isEmpty())
            why += QStringLiteral(": ") + said;
        ShowError(messagesOf(format_).notConverted,
                  QDir::toNativeSeparators(pdfPath_) + QStringLiteral(" (") + why + QLatin1Char(')'));
        return PdfResult::Failed;
    }
    return collect(made, said);
}

PdfResult PdfExport::collect(const QString &made, const QString &said)
{
    const FormatMessages messages = messagesOf(format_);
    QByteArray bytes;
    QString error;
    const bool read = QFileInfo(made).isFile() && ReadRegularFile(made, &bytes, &error, MaxPdfSize);
    const bool whole = format_ == PaperFormat::Word ? IsWholeWordDocument(bytes) : IsWholePdf(bytes);
    if (!read || !whole) {
        const bool begun =
            bytes.startsWith(format_ == PaperFormat::Word ? QByteArrayLiteral("PK") : QByteArrayLiteral("%PDF-"));
        QString why = read && begun
                          ? (format_ == PaperFormat::Word ? QStringLiteral("the Word document it made is not whole")
                                                          : QStringLiteral("the PDF it made is not whole"))
                          : (format_ == PaperFormat::Word ? QStringLiteral("no Word document made")
                                                          : QStringLiteral("no PDF made"));
        if (!said.isEmpty())
            why += QStringLiteral(": ") + said;
        ShowError(messages.notConverted,
                  QDir::toNativeSeparators(pdfPath_) + QStringLiteral(" (") + why + QLatin1Char(')'));
        return PdfResult::Failed;
    }
    if (!ReplaceFile(pdfPath_, bytes, &error)) {
        ShowError(messages.notWritten,
                  QDir::toNativeSeparators(pdfPath_) + QStringLiteral(" (") + error + QLatin1Char(')'));
        return PdfResult::Failed;
    }
    return PdfResult::Written;
}

void PdfExport::finish(PdfResult result)
{
    timer_->stop();
    timer_->deleteLater();
    timer_ = nullptr;
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
        process_ = nullptr;
    }
    profileLock_.reset();
    work_.reset();
    Q_EMIT Finished(result);
}

PdfResult PdfExport::Convert(const QString &document, const QString &pdfPath, PaperFormat format)
{
    PdfResult result = PdfResult::Failed;
    bool ended = false;
    QEventLoop loop;
    const QMetaObject::Connection done = connect(this, &PdfExport::Finished, &loop, [&](PdfResult r) {
        result = r;
        ended = true;
        loop.quit();
    });
    if (Start(document, pdfPath, format) && !ended)
        loop.exec();
    disconnect(done);
    return result;
}

} // namespace brevane
