#pragma once
// A stand-in for LibreOffice in the PDF tests: a shell script that takes
// soffice's arguments, writes them one a line to $FAKE_LOG, and does what
// $FAKE_MODE says:
//   write   a "PDF" in the output folder: "%PDF-1.4", the RTF it was given,
//           and the end of a PDF ("startxref", "%%EOF")
//   short   the first 34 bytes of a PDF, without its end
//   said    no PDF, and what LibreOffice says when it cannot load a document
//   status  no PDF, exit status 3
//   notpdf  a file of the PDF's name that is no PDF
//   hang    leaves a temporary file in $TMPDIR (as LibreOffice does), starts
//           a child that sleeps (its number in $FAKE_LOG.child, its own in
//           $FAKE_LOG.pid) and waits
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
    write) { echo "%PDF-1.4"; cat "$doc"; printf '\nstartxref\n0\n%%%%EOF\n'; } > "$pdf" ;;
    short) printf '%%PDF-1.4\n%%\342\343\317\323\n1 0 obj\n<< /Type /C' > "$pdf" ;;
    said) echo "Error: source file could not be loaded"; exit 0 ;;
    status) echo "the office stopped"; exit 3 ;;
    notpdf) echo "not a pdf" > "$pdf" ;;
    hang) mktemp "${TMPDIR:-/tmp}/luXXXXXX.tmp" > /dev/null; echo $$ > "$FAKE_LOG.pid"
          sleep 300 & echo $! > "$FAKE_LOG.child"; wait ;;
esac
exit 0
)");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace brevane::test
