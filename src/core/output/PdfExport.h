#pragma once
// The papers as one PDF or Word document: the print document of a
// selection, converted by LibreOffice without a window. Where the converter
// process is installed (core/output/WarmConverter) the conversion goes
// through it, LibreOffice loaded once for all of them; otherwise LibreOffice
// is started for the one document (soffice --headless --convert-to pdf).
//
// LibreOffice is started with an argument list, never through a shell, with
// a user profile of Brevane's own (so that it converts while the user has
// LibreOffice open with the usual profile), an output folder of its own and a
// time limit. The program does not wait for it: Start returns at once and
// Finished tells the end. brevane-cli waits with Convert. Failures are shown
// through ShowError; a cancelled conversion shows nothing. A PDF at the path
// is replaced only by a whole new one.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QDate;
class QLockFile;
class QProcess;
class QTemporaryDir;
class QTimer;

namespace brevane {

class WarmConverter;
struct ConverterSettings;

// What the papers are saved as.
enum class PaperFormat {
    Pdf,
    Word, // a Word document (.docx)
};

// How long LibreOffice may take for one conversion before it is stopped.
inline constexpr int DefaultPdfTimeLimitSeconds = 300;
// The longest time limit BREVANE_PDF_TIME_LIMIT may set: a day. A larger
// value means a day; zero, a negative value or no number keeps the default.
inline constexpr int MaxPdfTimeLimitSeconds = 24 * 60 * 60;
// The package that brings LibreOffice's word processor on Debian.
inline constexpr char PdfConverterPackage[] = "libreoffice-writer";

struct PdfSettings
{
    // The converter: a program that takes soffice's arguments. Empty when
    // none is installed.
    QString converter;
    // LibreOffice's user profile for Brevane's conversions.
    QString profileFolder;
    int timeLimitMs = DefaultPdfTimeLimitSeconds * 1000;
    // The converter process that keeps LibreOffice loaded; empty to start
    // LibreOffice for each conversion.
    QString helper;
};

// The settings the program and brevane-cli use: the converter named by
// BREVANE_PDF_CONVERTER, else "soffice" (or "libreoffice") on the PATH; the
// time limit in seconds from BREVANE_PDF_TIME_LIMIT when it holds a positive
// number; the profile folder DefaultPdfProfileFolder(); the converter
// process FindConverterHelper(), except when BREVANE_PDF_CONVERTER names a
// stand-in for soffice and BREVANE_CONVERTER_HELPER none for it.
PdfSettings PdfSettingsFromEnvironment();
// The converter process's settings from the PDF settings.
ConverterSettings ConverterSettingsOf(const PdfSettings &settings);
// Whether the converter of the settings is a program that can be started.
bool PdfConverterInstalled(const PdfSettings &settings);
// Brevane's LibreOffice profile, kept between conversions (a new profile
// costs LibreOffice seconds at every start): in the user's cache folder.
QString DefaultPdfProfileFolder();

// The converter's arguments that turn `document` (an RTF file) into a PDF of
// the same base name in `outFolder`.
QStringList PdfConverterArguments(const QString &profileFolder, const QString &outFolder, const QString &document,
                                  PaperFormat format = PaperFormat::Pdf);

// The file name a PDF is offered under: the client's name and the date,
// "Ridgeway Tool Holdings, Inc. 2024-03-05.pdf". Characters that a file name
// cannot hold on some system become "-"; an empty name becomes "Brevane".
QString DefaultPdfFileName(const QString &clientName, const QDate &date);

// The title the PDF carries: the entity's name and the captions of the forms
// printed, "Ridgeway Tool Holdings, Inc. - Cover Sheet, Code of Regulations".
QString PdfTitle(const QString &entityName, const QStringList &formCaptions);

// Whether the bytes are a whole PDF: its header, and its end ("startxref"
// and "%%EOF") at the end of the file. A PDF cut short never replaces one.
bool IsWholePdf(const QByteArray &bytes);
// Whether the bytes are a whole Word document: a ZIP archive's first entry
// and its end record within the file's last 64 KiB.
bool IsWholeWordDocument(const QByteArray &bytes);

enum class PdfResult {
    Written,   // the PDF is at its path
    Cancelled, // the user stopped it; nothing written, nothing shown
    Failed,    // its message was shown; nothing written
};

class PdfExport : public QObject
{
    Q_OBJECT
public:
    // With a converter process in the settings, converts through `warm`
    // when given (the program shares one), else through one of its own.
    explicit PdfExport(const PdfSettings &settings, QObject *parent = nullptr, WarmConverter *warm = nullptr);
    // A conversion still running is stopped.
    ~PdfExport() override;

    // Starts converting the RTF print document into the PDF at `pdfPath`.
    // False when it cannot start (no converter, no working folder): its
    // message is shown and Finished does not follow.
    bool Start(const QString &document, const QString &pdfPath, PaperFormat format = PaperFormat::Pdf);
    // Stops the conversion; Finished(Cancelled) follows.
    void Cancel();
    bool IsRunning() const;
    // Starts and waits for the end.
    PdfResult Convert(const QString &document, const QString &pdfPath, PaperFormat format = PaperFormat::Pdf);

    const PdfSettings &Settings() const { return settings_; }

Q_SIGNALS:
    void Finished(brevane::PdfResult result);

private:
    void processEnded();
    void timeLimitReached();
    // Stops the converter and every process it started.
    void stopConverter();
    void finish(PdfResult result);
    PdfResult collectPdf();
    void warmEnded(quint64 job, int end, const QString &why);
    PdfResult collect(const QString &made, const QString &failure);

    PdfSettings settings_;
    QString pdfPath_;
    QString outFolder_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<QLockFile> profileLock_;
    QProcess *process_ = nullptr;
    QTimer *timer_ = nullptr;
    bool cancelled_ = false;
    bool timedOut_ = false;
    PaperFormat format_ = PaperFormat::Pdf;
    WarmConverter *warm_ = nullptr;
    std::unique_ptr<WarmConverter> ownWarm_;
    quint64 warmJob_ = 0;
};

} // namespace brevane
