#pragma once
// Shared helpers for the tests: a recorder for the messages core code shows,
// United States regional settings, and temporary folders.

#include "core/dialogs/ErrorCatalogue.h"

#include <QList>
#include <QString>

namespace brevane::test {

// Records every message shown while it is alive; installs itself as the sink.
class MessageRecorder : public MessageSink
{
public:
    MessageRecorder();
    ~MessageRecorder() override;
    void Show(const ErrorMessage &message) override;

    QList<int> numbers() const;
    const QList<ErrorMessage> &messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QList<ErrorMessage> messages_;
    MessageSink *previous_ = nullptr;
};

// Sets the default locale to United States English (tests assume it).
void UseUnitedStatesLocale();

// The source tree's root folder (from the environment the test runner sets).
QString SourceDir();

// LibreOffice and poppler's tools, for the tests that read printed PDFs.
struct PdfTools
{
    QString soffice, pdftotext, pdfinfo; // empty where not on the PATH
    bool Found() const { return !soffice.isEmpty() && !pdftotext.isEmpty() && !pdfinfo.isEmpty(); }

    // Converts an RTF document to PDF beside it, with a LibreOffice profile of
    // the folder's own (so that no running LibreOffice takes the job). The
    // PDF's path, or empty when none was made; `log` gets what LibreOffice
    // said.
    QString ConvertToPdf(const QString &rtf, QString *log = nullptr) const;
    // The PDF's text (pdftotext with `arguments` before the file) and its
    // pdfinfo report; empty when the tool failed.
    QString Text(const QString &pdf, const QStringList &arguments = {}) const;
    QString Info(const QString &pdf, const QStringList &arguments = {}) const;
};
PdfTools FindPdfTools();
inline constexpr char PdfToolsNeeded[] =
    "LibreOffice Writer (soffice) and poppler-utils (pdftotext, pdfinfo) are needed; scripts/test.sh installs them";

} // namespace brevane::test
