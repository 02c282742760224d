#pragma once
// LibreOffice kept loaded for the program's conversions: one converter
// process (brevane-converter) of the program's own, started on first use,
// reused by every conversion after it, started again after it ended
// (crashed, killed) and stopped with this object. A conversion that takes
// longer than the time limit is stopped by killing the converter's whole
// process group; the next conversion starts a fresh one. A LibreOffice that
// crashes or hangs so never takes the program with it.
//
// Conversions are queued and run one at a time; Finished tells each end.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>
#include <memory>

class QLockFile;
class QProcess;
class QTemporaryDir;
class QTimer;

namespace brevane {

struct ConverterSettings
{
    // The converter process; empty when none is installed.
    QString helper;
    // LibreOffice's soffice program (its folder holds the libraries the
    // converter loads); empty when LibreOffice is not installed.
    QString office;
    // LibreOffice's user profile; a converter that finds it in use by
    // another one takes a temporary profile of its own.
    QString profileFolder;
    int timeLimitMs = 300 * 1000;
};

// The converter installed with the programs: BREVANE_CONVERTER_HELPER when
// set, else brevane-converter beside the program, in its libexec folder or
// in the build tree. Empty when there is none.
QString FindConverterHelper();
// The folder of LibreOffice's program files, from its soffice program
// (links resolved).
QString OfficeProgramFolder(const QString &office);

enum class ConversionEnd {
    Converted, // the output is written
    Failed,    // LibreOffice could not convert it, or the converter ended
    TimedOut,  // stopped at the time limit
    Cancelled, // stopped on request
};

struct ConversionResult
{
    ConversionEnd end = ConversionEnd::Failed;
    // What went wrong, in words (LibreOffice's own where it said something).
    QString why;
};

class WarmConverter : public QObject
{
    Q_OBJECT
public:
    explicit WarmConverter(const ConverterSettings &settings, QObject *parent = nullptr);
    // Stops the converter process; conversions not finished end Cancelled
    // without Finished.
    ~WarmConverter() override;

    // Whether the converter and LibreOffice are installed.
    bool Available() const;
    const ConverterSettings &Settings() const { return settings_; }

    // Queues the conversion of `document` into `output` ("pdf" or "docx");
    // returns its number, which Finished carries.
    quint64 Convert(const QString &format, const QString &document, const QString &output);
    // Ends a queued or running conversion (Finished(Cancelled) follows); a
    // running one stops the converter process.
    void Cancel(quint64 job);
    // Converts and waits for the end.
    ConversionResult ConvertAndWait(const QString &format, const QString &document, const QString &output);
    // Stops the converter process, its queue cancelled.
    void Stop();

    // The converter process's id while it runs, else 0.
    qint64 HelperProcessId() const;
    // How many converter processes were started so far.
    int Starts() const { return starts_; }

Q_SIGNALS:
    void Finished(quint64 job, brevane::ConversionResult result);

private:
    struct Job
    {
        quint64 id = 0;
        QString format;
        QString document;
        QString output;
    };
    void next();
    bool startHelper();
    void sendCurrent();
    void readAnswers();
    void helperEnded();
    void timeLimitReached();
    void killHelper();
    void endCurrent(ConversionEnd end, const QString &why);

    ConverterSettings settings_;
    QProcess *helper_ = nullptr;
    bool ready_ = false;
    QByteArray pending_; // answer bytes not yet a whole line
    QByteArray said_;    // the converter's last words on standard error
    std::deque<Job> queue_;
    std::unique_ptr<Job> current_;
    QTimer *timer_ = nullptr;
    std::unique_ptr<QLockFile> profileLock_;
    std::unique_ptr<QTemporaryDir> ownProfile_;
    quint64 lastJob_ = 0;
    int starts_ = 0;
};

} // namespace brevane
