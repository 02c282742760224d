#pragma once
// A stand-in for LibreOffice in the PDF tests: a shell script that takes
// soffice's arguments, writes them one a line to $FAKE_LOG, and does what
// $FAKE_MODE says:
//   write   a "PDF" in the output folder: "%PDF-1.4", then the RTF it was given
//   said    no PDF, and what LibreOffice says when it cannot load a document
//   status  no PDF, exit status 3
//   notpdf  a file of the PDF's name that is no PDF
//   hang    starts a child that sleeps (its number in $FAKE_LOG.child) and waits
#include <QFile>
#include <QString>

namespace brevane::test {

inline QString WriteFakeConverter(const QString &folder)
{
    const QString path = folder + QStringLiteral("/fake-soffice");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    script.write(R"(#!/bin/sh
printf '%s\n' "$@" > "$FAKE_LOG"
out=""; doc=""; prev=""
for a in "$@"; do
    [ "$prev" = "--outdir" ] && out="$a"
    prev="$a"; doc="$a"
done
pdf="$out/$(basename "$doc" .rtf).pdf"
case "$FAKE_MODE" in
    write) { echo "%PDF-1.4"; cat "$doc"; } > "$pdf" ;;
    said) echo "Error: source file could not be loaded"; exit 0 ;;
    status) echo "the office stopped"; exit 3 ;;
    notpdf) echo "not a pdf" > "$pdf" ;;
    hang) sleep 300 & echo $! > "$FAKE_LOG.child"; wait ;;
esac
exit 0
)");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace brevane::test
