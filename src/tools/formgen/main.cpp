// brevane-formgen: turns the form sources (forms/page<N>.form) into the
// support files the program reads: PSF/page<N>.psf (page screen),
// RTF/page<N>.rtf (print template) and DAT/PAGE<N>.DAT (print data).
//
//   brevane-formgen --out SUPPORTDIR [--stamp FILE] SOURCE...
//
// A source with an error writes nothing; its messages ("file:line: reason")
// go to standard error and the exit status is 1.

#include "FormSource.h"
#include "PrintTemplate.h"
#include "ScreenLayout.h"

#include "screens/ComponentStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace formgen;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes, QStringList &errors)
{
    // Leave an unchanged file alone, so that its time stamp stays.
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        errors << QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool generate(const QString &source, const QString &out, QStringList &errors)
{
    FormPage page;
    if (!ParseFormSource(source, page, &errors))
        return false;
    const QString n = QString::number(page.number);
    const QString expected = QStringLiteral("page") + n + QStringLiteral(".form");
    if (QFileInfo(source).fileName() != expected) {
        errors << QStringLiteral("%1: a source of page %2 is named %3").arg(source, n, expected);
        return false;
    }

    ScreenLayout screen;
    if (page.screen) {
        screen = LayOutScreen(page);
        if (page.hasFocus && !screen.focusableTags.contains(page.focus)) {
            errors << QStringLiteral("%1: no edit, memo, check box or button has the focus Tag %2")
                          .arg(source)
                          .arg(page.focus);
            return false;
        }
    } else if (page.hasFocus) {
        errors << QStringLiteral("%1: a page without a screen has no focus Tag").arg(source);
        return false;
    }

    for (const char *folder : {"PSF", "RTF", "DAT"})
        QDir(out).mkpath(QLatin1String(folder));
    const QString psf = out + QStringLiteral("/PSF/page") + n + QStringLiteral(".psf");
    const QString rtf = out + QStringLiteral("/RTF/page") + n + QStringLiteral(".rtf");
    const QString dat = out + QStringLiteral("/DAT/PAGE") + n + QStringLiteral(".DAT");
    bool ok = true;
    if (page.screen) {
        const QByteArray bytes = brevane::WriteComponentStream(screen.root);
        if (bytes.isEmpty()) {
            errors << QStringLiteral("%1: the page screen cannot be written").arg(source);
            return false;
        }
        ok = writeFile(psf, bytes, errors) && ok;
    } else {
        QFile::remove(psf);
    }
    if (page.print) {
        ok = writeFile(rtf, PrintTemplate(page), errors) && ok;
        ok = writeFile(dat, PrintData(page, page.screen ? &screen : nullptr), errors) && ok;
    } else {
        QFile::remove(rtf);
        QFile::remove(dat);
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString out, stamp;
    QStringList sources;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--stamp") && i + 1 < args.size())
            stamp = args[++i];
        else
            sources << args[i];
    }
    if (out.isEmpty() || sources.isEmpty()) {
        std::fputs("usage: brevane-formgen --out SUPPORTDIR [--stamp FILE] SOURCE...\n", stderr);
        return 2;
    }
    QStringList errors;
    bool ok = true;
    for (const QString &source : sources)
        ok = generate(source, out, errors) && ok;
    for (const QString &e : errors)
        std::fprintf(stderr, "%s\n", qPrintable(e));
    if (!ok)
        return 1;
    if (!stamp.isEmpty()) {
        QDir().mkpath(QFileInfo(stamp).absolutePath());
        QFile file(stamp);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "%s: cannot be written\n", qPrintable(stamp));
            return 1;
        }
    }
    return 0;
}
