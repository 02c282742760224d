#pragma once
// Ctrl-C, a hang-up or TERM while brevane-cli works: the signal is caught and
// told through the event loop, so that the command stops what it started
// (the PDF converter and every process of its group), removes its temporary
// files and lock, and only then ends with the signal, as the shell expects.

#include <QObject>

class QSocketNotifier;

namespace brevane::cli {

class Interruption : public QObject
{
    Q_OBJECT
public:
    // Catches SIGINT, SIGHUP and SIGTERM while it lives (one at a time).
    Interruption();
    // Puts the usual handling back; when a signal was caught, ends the
    // process with it.
    ~Interruption() override;

    // The signal caught so far, 0 for none.
    int Caught() const;

Q_SIGNALS:
    void Interrupted();

private:
    void readSignal();
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace brevane::cli
