// Feeds arbitrary templates and answers to the print merge: it must end,
// never read or write out of bounds, and whatever the answers hold they must
// reach the page as ASCII RTF text that opens or closes no group.
//
// Input: byte 0 the page, byte 1 the continuation, byte 2 flags (bit 0: the
// print data file comes from the input, bit 1: start with an unknown font
// size), then the answers (UTF-8, separated by 0x01; an answer starting with
// 0x02 is overridden), a 0x00, [the data file's bytes and a 0x00,] and the
// template (Windows-1252).
#include "core/dialogs/ErrorCatalogue.h"
#include "core/output/PrintJob.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace brevane;

namespace {

struct QuietSink : MessageSink
{
    void Show(const ErrorMessage &) override {}
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// Escaped answer text is ASCII, and every "{" or "}" in it is escaped.
bool safeRtfText(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80 || c < 0x20)
            return false;
        if (c == u'{' || c == u'}')
            return false;
        if (c == u'\\') {
            if (++i == text.size())
                return false; // a lone backslash would join what follows
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QuietSink sink;
    static QTemporaryDir *folder = nullptr;
    static TAnswer *store = nullptr;
    if (!store) {
        InstallMessageSink(&sink);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        folder = new QTemporaryDir;
        store = new TAnswer;
    }
    if (size < 3)
        return 0;
    const int page = data[0] % PageCount;
    const int continuation = data[1] % (PageContinuationMax[page] + 1);
    const bool dataFromInput = data[2] & 1;
    QByteArray rest(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));

    const qsizetype answersEnd = rest.indexOf('\0');
    const QByteArray answerBytes = answersEnd < 0 ? rest : rest.left(answersEnd);
    rest = answersEnd < 0 ? QByteArray() : rest.mid(answersEnd + 1);
    QByteArray dataFile = "0 0 0 0 0 0 0\r\n";
    if (dataFromInput) {
        const qsizetype dataEnd = rest.indexOf('\0');
        dataFile = dataEnd < 0 ? rest : rest.left(dataEnd);
        rest = dataEnd < 0 ? QByteArray() : rest.mid(dataEnd + 1);
    }
    // Written only when it changes: most inputs keep the plain data file.
    static QByteArray written[PageCount];
    if (written[page] != dataFile || dataFile.isEmpty()) {
        writeFile(folder->path() + QStringLiteral("/PAGE") + QString::number(page) + QStringLiteral(".DAT"), dataFile);
        written[page] = dataFile;
    }

    const QList<QByteArray> answers = answerBytes.split('\x01');
    const int count = std::min<int>(int(answers.size()), TAnswer::AnswerCount(page));
    for (int k = 0; k < count; ++k) {
        QByteArray bytes = answers[k];
        const bool overridden = bytes.startsWith('\x02');
        if (overridden)
            bytes.remove(0, 1);
        const QString text = QString::fromUtf8(bytes);
        store->SetText(page, continuation, k, text);
        store->SetOvRide(page, continuation, k, overridden);
        if (!safeRtfText(EscapeRtfText(text)))
            __builtin_trap();
    }

    TemplateMerge merge(store, folder->path());
    if (data[2] & 2)
        merge.SetCurrentFontSize(-1);
    const QString templateText = QString::fromLatin1(rest);
    QStringList list = SplitListText(templateText);
    if (merge.MergeTemplatePage(list, page, continuation)) {
        QString merged = ListText(list);
        // A template of ASCII stays ASCII whatever the answers hold.
        bool ascii = true;
        for (QChar c : templateText)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            for (QChar c : merged)
                if (c.unicode() >= 0x80)
                    __builtin_trap();
        StripTemplateHeader(merged);
    }

    for (int k = 0; k < count; ++k) {
        store->SetText(page, continuation, k, QString());
        store->SetOvRide(page, continuation, k, false);
    }
    return 0;
}
