#pragma once
// The repeatable pages (generic minutes, share ledger, bond, corporate and
// members' resolutions): New adds a copy and shows it, View shows one
// (asking which when there are several), Delete removes one after asking.

#include "gui/common/Sender.h"

#include <QString>

namespace brevane {

class TMainWindow;

class TContinuationCommands
{
public:
    explicit TContinuationCommands(TMainWindow &main)
        : main_(main)
    {}

    void NewForm(const TSender &sender);         // Tag: the page
    void ContinuationDlg(const TSender &sender); // Tag: page * 100
    void DeleteForm(const TSender &sender);      // Tag: the page

private:
    // Which of the `count` copies of a repeatable page is meant: the only one,
    // or the one the user picks when there are several. False when the page
    // has no copy or the user cancels.
    bool pickCopy(int page, int count, bool forDelete, int &picked);

    TMainWindow &main_;
};

} // namespace brevane
