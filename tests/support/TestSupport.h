#pragma once
// Shared helpers for the tests: a recorder for the messages core code shows,
// United States regional settings, and temporary folders.

#include "core/dialogs/ErrorCatalogue.h"

#include <QList>
#include <QString>

namespace brevane::test {

// Records every message shown while it is alive; installs itself as the sink.
class MessageRecorder : public MessageSink
{
public:
    MessageRecorder();
    ~MessageRecorder() override;
    void Show(const ErrorMessage &message) override;

    QList<int> numbers() const;
    const QList<ErrorMessage> &messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QList<ErrorMessage> messages_;
    MessageSink *previous_ = nullptr;
};

// Sets the default locale to United States English (tests assume it).
void UseUnitedStatesLocale();

// The source tree's root folder (from the environment the test runner sets).
QString SourceDir();

} // namespace brevane::test
