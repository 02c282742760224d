#include "core/output/WarmConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
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

const QString HelperName = QStringLiteral("brevane-converter");
// What of the converter's own words a message quotes, at most.
constexpr int MaxQuoted = 400;
// How long a converter asked to end may take before it is killed.
constexpr int EndWaitMs = 2000;

bool isProgram(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

} // namespace

QString FindConverterHelper()
{
    const QString named = qEnvironmentVariable("BREVANE_CONVERTER_HELPER");
    if (!named.isEmpty())
        return named;
    QStringList places;
    if (QCoreApplication::instance()) {
        const QString here = QCoreApplication::applicationDirPath();
        places << here + QLatin1Char('/') + HelperName
               << here + QStringLiteral("/../") + QStringLiteral(BREVANE_LIBEXEC_RELATIVE) + QLatin1Char('/') +
                      HelperName;
    }
#ifdef BREVANE_BUILD_CONVERTER
    places << QStringLiteral(BREVANE_BUILD_CONVERTER);
#endif
    for (const QString &place : places)
        if (isProgram(place))
            return QFileInfo(place).absoluteFilePath();
    return QString();
}

QString OfficeProgramFolder(const QString &office)
{
    const QFileInfo program(office);
    const QString target = program.canonicalFilePath();
    return QFileInfo(target.isEmpty() ? office : target).absolutePath();
}

WarmConverter::WarmConverter(const ConverterSettings &settings, QObject *parent)
    : QObject(parent)
    , settings_(settings)
{
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &WarmConverter::timeLimitReached);
}

WarmConverter::~WarmConverter()
{
    blockSignals(true);
    Stop();
}

bool WarmConverter::Available() const
{
    return isProgram(settings_.helper) && isProgram(settings_.office);
}

qint64 WarmConverter::HelperProcessId() const
{
    return helper_ ? helper_->processId() : 0;
}

quint64 WarmConverter::Convert(const QString &format, const QString &document, const QString &output)
{
    queue_.push_back({++lastJob_, format, document, output});
    // Ends are told from the event loop, never inside Convert, so that the
    // caller knows the number first.
    QMetaObject::invokeMethod(this, &WarmConverter::next, Qt::QueuedConnection);
    return lastJob_;
}

void WarmConverter::Cancel(quint64 job)
{
    if (current_ && current_->id == job) {
        killHelper();
        endCurrent(ConversionEnd::Cancelled, QString());
        return;
    }
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (it->id == job) {
            queue_.erase(it);
            Q_EMIT Finished(job, {ConversionEnd::Cancelled, QString()});
            return;
        }
    }
}

ConversionResult WarmConverter::ConvertAndWait(const QString &format, const QString &document, const QString &output)
{
    ConversionResult result;
    QEventLoop loop;
    const quint64 job = Convert(format, document, output);
    const QMetaObject::Connection done =
        connect(this, &WarmConverter::Finished, &loop, [&](quint64 ended, const ConversionResult &r) {
            if (ended != job)
                return;
            result = r;
            loop.quit();
        });
    loop.exec();
    disconnect(done);
    return result;
}

void WarmConverter::Stop()
{
    std::deque<Job> cancelled;
    cancelled.swap(queue_);
    if (current_)
        cancelled.push_front(*current_);
    current_.reset();
    timer_->stop();
    if (helper_) {
        // Asked to end (its requests closed), then killed with everything
        // it started if it does not.
        helper_->disconnect(this);
        helper_->closeWriteChannel();
        if (!helper_->waitForFinished(EndWaitMs))
            killHelper();
    }
    killHelper();
    for (const Job &job : cancelled)
        Q_EMIT Finished(job.id, {ConversionEnd::Cancelled, QString()});
}

void WarmConverter::next()
{
    if (current_ || queue_.empty())
        return;
    current_ = std::make_unique<Job>(queue_.front());
    queue_.pop_front();
    timer_->start(settings_.timeLimitMs);
    if (current_->document.contains(QLatin1Char('\t')) || current_->document.contains(QLatin1Char('\n')) ||
        current_->output.contains(QLatin1Char('\t')) || current_->output.contains(QLatin1Char('\n'))) {
        endCurrent(ConversionEnd::Failed, QStringLiteral("a file name holds a tab or a line end"));
        return;
    }
    if (!helper_ && !startHelper())
        return;
    if (ready_)
        sendCurrent();
}

bool WarmConverter::startHelper()
{
    if (!Available()) {
        endCurrent(ConversionEnd::Failed, isProgram(settings_.office)
                                              ? QStringLiteral("the converter process is not installed")
                                              : QStringLiteral("LibreOffice is not installed"));
        return false;
    }
    // Brevane's profile, unless another converter or conversion holds it.
    QString profile = settings_.profileFolder;
    profileLock_.reset();
    if (!profile.isEmpty() && QDir().mkpath(profile)) {
        profileLock_ = std::make_unique<QLockFile>(profile + QStringLiteral(".lock"));
        profileLock_->setStaleLockTime(0);
        if (!profileLock_->tryLock(0)) {
            profileLock_.reset();
            profile.clear();
        }
    } else {
        profile.clear();
    }
    if (profile.isEmpty()) {
        if (!ownProfile_)
            ownProfile_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/brevane-profile-XXXXXX"));
        profile = ownProfile_->path();
    }

    helper_ = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // LibreOffice draws nothing on a screen here.
    environment.insert(QStringLiteral("SAL_USE_VCLPLUGIN"), QStringLiteral("svp"));
    helper_->setProcessEnvironment(environment);
#ifdef Q_OS_UNIX
    // A group of its own, so that stopping it stops what it started too.
    helper_->setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    connect(helper_, &QProcess::readyReadStandardOutput, this, &WarmConverter::readAnswers);
    connect(helper_, &QProcess::readyReadStandardError, this, [this] {
        said_ += helper_->readAllStandardError();
        if (said_.size() > 4 * MaxQuoted)
            said_ = said_.right(4 * MaxQuoted);
    });
    connect(helper_, &QProcess::finished, this, &WarmConverter::helperEnded);
    connect(
        helper_, &QProcess::errorOccurred, this,
        [this, started = helper_](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart && started == helper_)
                helperEnded();
        },
        Qt::QueuedConnection);
    ready_ = false;
    pending_.clear();
    said_.clear();
    ++starts_;
    helper_->start(settings_.helper, {OfficeProgramFolder(settings_.office), QUrl::fromLocalFile(profile).toString()});
    return true;
}

void WarmConverter::sendCurrent()
{
    const QByteArray line = "convert\t" + current_->format.toUtf8() + '\t' + QFile::encodeName(current_->document) +
                            '\t' + QFile::encodeName(current_->output) + '\n';
    helper_->write(line);
}

void WarmConverter::readAnswers()
{
    if (!helper_)
        return;
    pending_ += helper_->readAllStandardOutput();
    for (qsizetype end = pending_.indexOf('\n'); end >= 0 && helper_; end = pending_.indexOf('\n')) {
        const QString line = QString::fromUtf8(pending_.left(end));
        pending_.remove(0, end + 1);
        if (line == QLatin1String("ready")) {
            ready_ = true;
            if (current_)
                sendCurrent();
        } else if (line == QLatin1String("ok")) {
            if (current_)
                endCurrent(ConversionEnd::Converted, QString());
        } else if (line.startsWith(QLatin1String("failed"))) {
            if (current_)
                endCurrent(ConversionEnd::Failed, line.mid(7).left(MaxQuoted));
        }
    }
}

void WarmConverter::helperEnded()
{
    if (!helper_)
        return;
    readAnswers();
    if (!helper_)
        return;
    QString why;
    if (helper_->error() == QProcess::FailedToStart)
        why = QStringLiteral("the converter process could not be started: ") + helper_->errorString();
    else if (helper_->exitStatus() == QProcess::CrashExit)
        why = QStringLiteral("the converter process ended unexpectedly");
    else
        why = QStringLiteral("the converter process ended with status %1").arg(helper_->exitCode());
    const QString said = QString::fromLocal8Bit(said_).simplified().right(MaxQuoted);
    if (!said.isEmpty())
        why += QStringLiteral(": ") + said;
    helper_->disconnect(this);
    helper_->deleteLater();
    helper_ = nullptr;
    ready_ = false;
    profileLock_.reset();
    if (current_)
        endCurrent(ConversionEnd::Failed, why);
}

void WarmConverter::timeLimitReached()
{
    if (!current_)
        return;
    killHelper();
    endCurrent(ConversionEnd::TimedOut, QString());
}

void WarmConverter::killHelper()
{
    if (!helper_)
        return;
    helper_->disconnect(this);
#ifdef Q_OS_UNIX
    const qint64 pid = helper_->processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
#endif
    helper_->kill();
    helper_->waitForFinished(5000);
    helper_->deleteLater();
    helper_ = nullptr;
    ready_ = false;
    profileLock_.reset();
}

void WarmConverter::endCurrent(ConversionEnd end, const QString &why)
{
    timer_->stop();
    if (!current_)
        return;
    const quint64 id = current_->id;
    current_.reset();
    QMetaObject::invokeMethod(this, &WarmConverter::next, Qt::QueuedConnection);
    Q_EMIT Finished(id, {end, why});
}

} // namespace brevane
