#include "core/dialogs/Outcome.h"

#include "core/dialogs/ErrorCatalogue.h"

namespace brevane {

Outcome Outcome::failure(int number, const QString &detail, int page, int field)
{
    Outcome outcome;
    outcome.fail(number, detail, page, field);
    return outcome;
}

bool Outcome::has(int number) const
{
    for (const OutcomeMessage &message : messages_)
        if (message.number == number)
            return true;
    return false;
}

void Outcome::fail(int number, const QString &detail, int page, int field)
{
    note(number, detail, page, field);
    failed_ = true;
}

void Outcome::note(int number, const QString &detail, int page, int field)
{
    messages_.append(OutcomeMessage{number, detail, page, field});
}

void Outcome::add(const Outcome &other)
{
    messages_.append(other.messages_);
    failed_ = failed_ || other.failed_;
}

void Outcome::show() const
{
    for (const OutcomeMessage &message : messages_)
        ShowError(message.number, message.detail);
}

class MessageCollector::Sink : public MessageSink
{
public:
    void Show(const ErrorMessage &message) override { collected.note(message.number, message.detail); }
    Outcome collected;
    MessageSink *previous = nullptr;
};

MessageCollector::MessageCollector()
    : sink_(new Sink)
{
    sink_->previous = InstallMessageSink(sink_);
}

MessageCollector::~MessageCollector()
{
    InstallMessageSink(sink_->previous);
    delete sink_;
}

Outcome MessageCollector::outcome() const
{
    return sink_->collected;
}

} // namespace brevane
