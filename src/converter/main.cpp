// brevane-converter LIBREOFFICE-PROGRAM-FOLDER PROFILE-URL
//
// The program's converter process: it loads LibreOffice once and then
// converts documents on request, one at a time, for as long as its standard
// input stays open. The program starts it, stops it with itself and kills
// it (with everything it started) when a conversion takes too long, so that
// a LibreOffice that crashes or hangs never takes the program with it.
//
// Requests, one a line on standard input, fields separated by tabs:
//     convert <format> <document path> <output path>
// where format is "pdf" or "docx". Answers, one a line on standard output:
//     ready              once LibreOffice is loaded (first line)
//     ok                 the output was written
//     failed <why>       nothing usable was written
// LibreOffice's own messages go to standard error.

#include <LibreOfficeKit/LibreOfficeKit.hxx>
#include <LibreOfficeKit/LibreOfficeKitInit.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

FILE *answers = nullptr;

void answer(const std::string &line)
{
    std::string text = line;
    for (char &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(answers, "%s\n", text.c_str());
    std::fflush(answers);
}

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return out;
        start = tab + 1;
    }
}

// A local path as a file URL, every byte outside the unreserved set and "/"
// percent-encoded.
std::string fileUrl(const std::string &path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : path) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
            c == '_' || c == '.' || c == '~') {
            url += char(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

std::string errorOf(lok::Office &office, const char *what)
{
    char *said = office.getError();
    std::string why = what;
    if (said && *said) {
        why += ": ";
        why += said;
    }
    std::free(said);
    return why;
}

} // namespace

int main(int argc, char *argv[])
{
    // The answers keep the standard output; whatever LibreOffice prints goes
    // to standard error so that it never mixes with them.
    const int answerFd = ::dup(STDOUT_FILENO);
    if (answerFd < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 1;
    answers = ::fdopen(answerFd, "w");
    if (!answers)
        return 1;
    if (argc != 3) {
        answer("failed\tusage: brevane-converter LIBREOFFICE-PROGRAM-FOLDER PROFILE-URL");
        return 2;
    }
    std::unique_ptr<lok::Office> office(lok::lok_cpp_init(argv[1], argv[2]));
    if (!office) {
        answer(std::string("failed\tLibreOffice could not be loaded from ") + argv[1]);
        return 1;
    }
    answer("ready");

    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> request = fields(line);
        if (request.size() != 4 || request[0] != "convert" || (request[1] != "pdf" && request[1] != "docx")) {
            answer("failed\tnot a request: " + line);
            continue;
        }
        std::unique_ptr<lok::Document> document(office->documentLoad(fileUrl(request[2]).c_str()));
        if (!document) {
            answer("failed\t" + errorOf(*office, "LibreOffice could not read the document"));
            continue;
        }
        const bool saved = document->saveAs(fileUrl(request[3]).c_str(), request[1].c_str());
        document.reset();
        answer(saved ? std::string("ok") : "failed\t" + errorOf(*office, "LibreOffice could not convert it"));
    }
    // The program closed the requests: end without LibreOffice's long
    // shutdown; nothing of it needs saving.
    std::fflush(answers);
    std::_Exit(0);
}
