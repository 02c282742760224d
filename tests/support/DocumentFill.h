#pragma once
// A test's fixture written into a client document as reading a file writes
// it (ClientDocument::Fill): not the user's change, so the client is neither
// marked modified nor recalculated, and nothing is announced.

#include "core/document/ClientDocument.h"

namespace brevane::test {

template <typename Write> void FillDocument(ClientDocument &client, Write write)
{
    static_cast<void>(client.Fill([&write](TAnswer &answers, DirectoryTable &rows) {
        write(answers, rows);
        return Outcome();
    }));
}

// One answer of the fixture.
inline void FillAnswer(ClientDocument &client, int page, int copy, int answer, const QString &text)
{
    FillDocument(client, [&](TAnswer &answers, DirectoryTable &) { answers.SetText(page, copy, answer, text); });
}

} // namespace brevane::test
