#pragma once
// The output commands the main window offers: Preview and Print, the Force
// Word and Force WordPad switches, Find Word, and the removal of the
// temporary print documents when the program closes.
//
// STUB: printing and the word-processor hand-off come with the print job;
// until then Preview and Print and Find Word only say so. The switches and
// the clean-up already work.

#include "app/Sender.h"

#include <QString>

namespace brevane {

class TfrmMain;

class TOutputCommands
{
public:
    explicit TOutputCommands(TfrmMain &main)
        : main_(main)
    {}

    // Every print command: toolbar buttons, tree item, menu item (Ctrl+P).
    void PrintSelectedForms(const TSender &sender);
    void ForceWordClick();
    void ForceWordPadClick();
    void FindWordClick();

    // Whether a word processor that can stand in for Word is installed.
    static bool WordInstalled();
    // Deletes the files matching `pattern` in `folder`; a file that cannot be
    // deleted is named in a warning and the others are still deleted.
    void DeleteTemps(const QString &folder, const QString &pattern);

    QString FoundWordPath; // held while Find Word has found one

private:
    TfrmMain &main_;
};

} // namespace brevane
