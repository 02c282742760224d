#pragma once
// What a run of the core (load, calculate, build, write, a change to the
// client) came to: whether it succeeded, and the messages it produced, each
// with its catalogue number, its detail and the page and field it is about.
// The program shows them in its message dialog, brevane-cli on standard
// error. A caller that drops an outcome gets a compiler warning.

#include <QList>
#include <QString>

namespace brevane {

struct OutcomeMessage
{
    int number = 0; // the error number of the catalogue (msg::...)
    QString detail; // what the message is about, in the user's terms
    int page = -1;  // the page it is about; -1 when none
    int field = -1; // the answer on that page; -1 when none
};

class [[nodiscard]] Outcome
{
public:
    Outcome() = default;
    // A failure with one message.
    static Outcome failure(int number, const QString &detail = QString(), int page = -1, int field = -1);

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QList<OutcomeMessage> &messages() const { return messages_; }
    // Whether one of the messages has this number.
    bool has(int number) const;

    // Adds a message and marks the run failed.
    void fail(int number, const QString &detail = QString(), int page = -1, int field = -1);
    // Adds a message that tells the user something without the run failing
    // (a client file that ended early: what it holds was loaded).
    void note(int number, const QString &detail = QString(), int page = -1, int field = -1);
    // Marks the run failed; its messages say why.
    void markFailed() { failed_ = true; }
    // Takes in another run's messages (and its failure).
    void add(const Outcome &other);

    // Hands each message to ShowError, in the order they came.
    void show() const;

private:
    QList<OutcomeMessage> messages_;
    bool failed_ = false;
};

// Collects what ShowError is given while it lives, instead of showing it:
// routines that report deep inside (a reader, a page procedure, a merge)
// end with their messages in an outcome.
class MessageCollector
{
public:
    MessageCollector();
    ~MessageCollector();
    MessageCollector(const MessageCollector &) = delete;
    MessageCollector &operator=(const MessageCollector &) = delete;

    // The messages collected so far, each as a note: whether the run
    // failed is for the routine to say.
    Outcome outcome() const;

private:
    class Sink;
    Sink *sink_;
};

} // namespace brevane
