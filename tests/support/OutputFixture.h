#pragma once
// Shared by the output widget tests: a word processor launcher that records
// what it was asked instead of starting anything, and print templates written
// into a main window's program folder.

#include "GuiFixture.h"
#include "PrintFixture.h"
#include "gui/dialogs/UserDialogs.h"
#include "platform/WordProcessor.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace brevane::test {

class FakeLauncher : public WordProcessorLauncher
{
public:
    int StartWord(const QString &documentName, const QString &workingFolder) override
    {
        calls << QStringLiteral("Word ") + documentName + QStringLiteral(" in ") + workingFolder;
        return result;
    }
    int StartWordPad(const QString &documentName, const QString &workingFolder) override
    {
        calls << QStringLiteral("WordPad ") + documentName + QStringLiteral(" in ") + workingFolder;
        return result;
    }
    bool SetWordPadMargins() override
    {
        calls << QStringLiteral("margins");
        return marginsSet;
    }

    QStringList calls;
    int result = ShellStarted; // what each start reports
    bool marginsSet = true;
};

// Writes a print template (the fixture header, then `body`) and a print data
// file for the page into the fixture's program folder.
inline void WritePrintPage(const GuiFixture &fx, int page, const QString &body)
{
    const QDir program(fx.ProgramFolder());
    program.mkpath(QStringLiteral("RTF"));
    program.mkpath(QStringLiteral("DAT"));
    QFile rtf(program.filePath(QStringLiteral("RTF/page%1.rtf").arg(page)));
    if (rtf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        rtf.write((FixtureHeader() + QStringLiteral("\\v0 ") + body + QStringLiteral("\r\n}\r\n")).toLatin1());
    QFile dat(program.filePath(QStringLiteral("DAT/PAGE%1.DAT").arg(page)));
    if (dat.open(QIODevice::WriteOnly | QIODevice::Truncate))
        dat.write("0 0 12 1.5 -2.25 3 1\r\n");
}

} // namespace brevane::test
