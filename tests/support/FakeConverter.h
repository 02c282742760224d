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

// A stand-in for the converter process (brevane-converter): a shell script
// that notes its process number in $FAKE_LOG.starts (one line a start),
// answers "ready", then for each request does what $FAKE_MODE says:
//   write   a one-page PDF (for "docx" the frame of a ZIP archive holding
//           the document) at the output path, then "ok"; while the file
//           $FAKE_LOG.hold exists it first notes $FAKE_LOG.busy and waits
//   hang    starts a child that sleeps (its number in $FAKE_LOG.child) and
//           waits for it
//   fail    "failed" and LibreOffice's words
inline QString WriteFakeHelper(const QString &folder)
{
    const QString path = folder + QStringLiteral("/fake-converter");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    script.write(R"SH(#!/bin/sh
echo $$ >> "$FAKE_LOG.starts"
echo ready
tab="$(printf '\t')"
while IFS="$tab" read -r verb format doc out; do
    case "$FAKE_MODE" in
    write)
        while [ -e "$FAKE_LOG.hold" ]; do touch "$FAKE_LOG.busy"; sleep 0.1; done
        if [ "$format" = docx ]; then
            { printf 'PK\003\004'; cat "$doc"; printf 'PK\005\006\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000'; } > "$out"
            echo ok; continue
        fi
        printf '%%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 612 792]>>endobj\ntrailer<</Root 1 0 R>>\nstartxref\n0\n%%%%EOF\n' > "$out"
        echo ok ;;
    hang) sleep 300 & echo $! > "$FAKE_LOG.child"; wait ;;
    fail) echo "failed${tab}LibreOffice could not read the document: source file could not be loaded" ;;
    esac
done
)SH");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace brevane::test
