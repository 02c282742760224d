#include "TestSupport.h"

#include <QLocale>
#include <QStandardPaths>

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
