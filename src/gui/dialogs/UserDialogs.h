#pragma once
// Every platform dialog and message box the program asks the user through:
// questions, file and folder pickers, the alert beep. Tests install their own
// answers (TestDialogs below) so no person is needed.

#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QWidget;

namespace brevane {

// The size of the file dialogs: room for the Size, Type and Date columns.
inline constexpr QSize FileDialogSize{960, 600};

class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A warning-type message box; returns the button pressed.
    virtual QMessageBox::StandardButton Question(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // An empty result means the user cancelled.
    virtual QString OpenFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
    virtual QString SaveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
    virtual QString FolderName(QWidget *parent, const QString &caption, const QString &folder);
    virtual void Beep();
    // Opens a document or web page with the desktop's default application
    // (help pages, PDF resources); false when nothing could open it. The
    // desktop's opener may find only after it started that no application
    // takes the document (no browser, no PDF viewer): `failedLater` then
    // runs, from the event loop.
    virtual bool OpenUrl(const QUrl &url, const std::function<void()> &failedLater = {});

    // The dialogs in use: the platform's own unless a replacement is installed.
    static UserDialogs &Current();
    // Installs a replacement (nullptr restores the platform's); returns the previous one.
    static UserDialogs *Install(UserDialogs *dialogs);
};

// Scripted answers for tests: each call takes the next queued answer and
// records what was asked.
class TestDialogs : public UserDialogs
{
public:
    TestDialogs() { previous_ = Install(this); }
    ~TestDialogs() override { Install(previous_); }

    QList<QMessageBox::StandardButton> questionAnswers; // default: Cancel when empty
    QStringList fileAnswers;                            // open, save and folder pickers; default: cancelled
    QStringList asked;                                  // title and text of every question, caption of every picker
    QStringList folders;                                // the folder (or proposed file) each picker opened in
    int beeps = 0;
    QList<QUrl> openedUrls;         // every document or page asked to be opened
    bool openUrlResult = true;      // what OpenUrl reports
    bool openUrlFailsLater = false; // the opener started but found no application

    QMessageBox::StandardButton Question(QWidget *, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        asked << title + QStringLiteral(": ") + text;
        return questionAnswers.isEmpty() ? QMessageBox::Cancel : questionAnswers.takeFirst();
    }
    QString OpenFileName(QWidget *, const QString &caption, const QString &folder, const QString &) override
    {
        return nextFile(caption, folder);
    }
    QString SaveFileName(QWidget *, const QString &caption, const QString &folder, const QString &) override
    {
        return nextFile(caption, folder);
    }
    QString FolderName(QWidget *, const QString &caption, const QString &folder) override
    {
        return nextFile(caption, folder);
    }
    void Beep() override { ++beeps; }
    bool OpenUrl(const QUrl &url, const std::function<void()> &failedLater = {}) override
    {
        openedUrls << url;
        if (openUrlResult && openUrlFailsLater && failedLater)
            failedLater();
        return openUrlResult;
    }

private:
    QString nextFile(const QString &caption, const QString &folder)
    {
        asked << caption;
        folders << folder;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    UserDialogs *previous_ = nullptr;
};

} // namespace brevane
