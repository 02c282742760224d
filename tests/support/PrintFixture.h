#pragma once
// Small print templates and print data files for the output tests, written
// into a temporary folder with the RTF and DAT sub-folders the program uses.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace brevane::test {

// The header every fixture template starts with: font 0 the body font, font 1
// the Wingdings font, colour 1 (red) for overridden answers, and the header
// mark hidden so that it does not print.
inline QString FixtureHeader()
{
    return QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                          "{\\f1\\fnil\\fcharset2 Wingdings;}}{\\colortbl;\\red255\\green0\\blue0;}\\v\\'b7");
}

class PrintFolder
{
public:
    PrintFolder()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("RTF"));
        QDir(dir_.path()).mkpath(QStringLiteral("DAT"));
        QDir(dir_.path()).mkpath(QStringLiteral("Temp"));
    }

    QString path() const { return dir_.path(); }
    QString templateFolder() const { return dir_.path() + QStringLiteral("/RTF"); }
    QString dataFolder() const { return dir_.path() + QStringLiteral("/DAT"); }
    QString tempFolder() const { return dir_.path() + QStringLiteral("/Temp"); }
    QString templatePath(int page) const
    {
        return templateFolder() + QStringLiteral("/page") + QString::number(page) + QStringLiteral(".rtf");
    }
    QString dataPath(int page) const
    {
        return dataFolder() + QStringLiteral("/PAGE") + QString::number(page) + QStringLiteral(".DAT");
    }

    // The template of the page: the fixture header, "\v0 " (so the body
    // prints), the body, a line end and the closing "}". Characters beyond
    // ASCII are written in Windows-1252 (Latin-1 here).
    void writeTemplate(int page, const QString &body) const
    {
        writeRawTemplate(page,
                         (FixtureHeader() + QStringLiteral("\\v0 ") + body + QStringLiteral("\r\n}\r\n")).toLatin1());
    }
    void writeRawTemplate(int page, const QByteArray &bytes) const { write(templatePath(page), bytes); }

    // A print data file of `lines` well-formed lines.
    void writeData(int page, int lines = 3) const
    {
        QByteArray bytes;
        for (int k = 0; k < lines; ++k)
            bytes += QByteArray::number(k) + " 0 12 1.5 -2.25 3 1 free text after the numbers\r\n";
        write(dataPath(page), bytes);
    }
    void writeRawData(int page, const QByteArray &bytes) const { write(dataPath(page), bytes); }

    void writePage(int page, const QString &body) const
    {
        writeTemplate(page, body);
        writeData(page);
    }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    QTemporaryDir dir_;
};

} // namespace brevane::test
