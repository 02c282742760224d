// The message dialog: caption, beep and texts by error number, its layout,
// and one message at a time.

#include "gui/dialogs/TfrmErrorDlg.h"
#include "gui/dialogs/UserDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace brevane;

class TestErrorDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void message_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("instruction");

        QTest::newRow("33010 help, no beep")
            << 33010 << QString() << "Help On This Item" << 0
            << "3301-An error occurred when Brevane attempted to open the client file. " << QString();
        QTest::newRow("11010 error, beep")
            << 11010 << QString() << "Error Dialog" << 1
            << "1101-You should save client files with the extension cl1. The extension of this file is being "
               "changed to cl1. "
            << QString();
        QTest::newRow("1154 not catalogued, disk instruction")
            << 1154 << QString() << "Error Dialog" << 1 << "Unidentified error -  115"
            << "Possible disk access error. It may be necessary to reinstall Brevane. ";
        QTest::newRow("29999 below the help range")
            << 29999 << QString() << "Error Dialog" << 1 << "Unidentified error -  2999"
            << "You must reduce the amount of text sent to the form referred to above. ";
        QTest::newRow("37995 top of the help range")
            << 37995 << QString() << "Help On This Item" << 0 << "Unidentified error -  3799"
            << "An error occurred during a printing operation. Make sure your printer is ready. ";
        QTest::newRow("21212 detail inside")
            << 21212 << "12x"
            << "Error Dialog" << 1 << "2121-Str2Int. An error occurred while Brevane was converting 12x to an integer. "
            << "You can probably click OK and continue. If this error persists, restart Brevane. If this is a "
               "date-related error, find the page and field and fix it. ";
        // The path starts a line of its own, so that it is never broken
        // after its first "/".
        QTest::newRow("11150 path after the text")
            << 11150 << "/opt/brevane/PSF/page7.psf"
            << "Error Dialog" << 1
            << "1115-Unable to locate or read the PSF support file that is required for displaying forms. The "
               "support files are made by the build (scripts/start.sh, or \"cmake --build build\" in the source "
               "folder) and installed with the brevane package under share/brevane. It was looked for "
               "at:\n/opt/brevane/PSF/page7.psf"
            << QString();
    }
    void message()
    {
        QFETCH(int, number);
        QFETCH(QString, detail);
        QFETCH(QString, caption);
        QFETCH(int, beeps);
        QFETCH(QString, text);
        QFETCH(QString, instruction);
        TestDialogs dialogs;
        std::unique_ptr<TfrmErrorDlg> dialog(detail.isEmpty() ? TfrmErrorDlg::Create1(number)
                                                              : TfrmErrorDlg::Create2(number, detail));
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialogs.beeps, beeps);
        QCOMPARE(dialog->MessageLbl->text(), text);
        QCOMPARE(dialog->MessageLbl2->text(), instruction);
        QCOMPARE(dialog->Tag(), number / 10);
        QCOMPARE(dialog->AddedInstructCode, number % 10);
        QCOMPARE(dialog->TheErrNo, number);
        QCOMPARE(dialog->TheErrStr, detail);
    }

    void layout()
    {
        TestDialogs dialogs;
        std::unique_ptr<TfrmErrorDlg> dialog(TfrmErrorDlg::Create1(11010));
        QCOMPARE(dialog->size(), QSize(537, 336));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QCOMPARE(dialog->MessageLbl->geometry(), QRect(16, 8, 505, 105));
        QCOMPARE(dialog->MessageLbl2->geometry(), QRect(16, 128, 505, 105));
        QCOMPARE(dialog->btnOk->geometry(), QRect(207, 285, 127, 30));
        QCOMPARE(dialog->btnOk->text(), QStringLiteral("Ok"));
        QVERIFY(dialog->btnOk->font().bold());
        QCOMPARE(dialog->btnOk->font().pointSize(), 16);
        QCOMPARE(dialog->MessageLbl->font().pointSize(), 16);
        QCOMPARE(dialog->MessageLbl->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
        // No minimize, maximize or close buttons.
        QVERIFY(!(dialog->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    }

    void pathsAreNeverBrokenInAName_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason"); // after the path, in parentheses
        const QString folder = QStringLiteral("/home/dana/Documents/Client Files of Ortiz and Partners/Corporations "
                                              "Formed in Columbus/");
        QTest::newRow("3301, the file and why") << 33010 << folder + "Acme Tools, Inc. (old copy).cl1"
                                                << " (it is not a Brevane client file)";
        QTest::newRow("3808, a recent file gone") << 38080 << folder + "Riverside Bakery LLC.cl1" << QString();
        QTest::newRow("3808, Windows path")
            << 38080 << "C:\\Users\\Dana Ortiz\\Documents\\Client Files of Ortiz and Partners\\Riverside Bakery LLC.cl1"
            << QString();
    }
    // A long path goes on to its next line after a separator only, so every
    // folder's and file's name is read whole.
    void pathsAreNeverBrokenInAName()
    {
        QFETCH(int, number);
        QFETCH(QString, path);
        QFETCH(QString, reason);
        TestDialogs dialogs;
        std::unique_ptr<TfrmErrorDlg> dialog(TfrmErrorDlg::Create2(number, path + reason));
        QLabel *label = dialog->MessageLbl;
        // The catalogue's text, then the path on lines of its own.
        QStringList lines = label->text().split(QLatin1Char('\n'));
        QVERIFY2(lines.size() > 2, qPrintable(label->text()));
        lines.removeFirst();
        // The label's own wrapping never breaks them: each fits.
        for (const QString &line : std::as_const(lines))
            QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(), qPrintable(line));
        // Each line but the last ends after a separator (or with the file's
        // name, before the reason).
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].endsWith(QLatin1Char('/')) || lines[i].endsWith(QLatin1Char('\\')) ||
                         lines[i].endsWith(QLatin1String(".cl1")),
                     qPrintable(lines[i]));
        if (lines.last().startsWith(QLatin1Char('(')))
            lines.last().prepend(QLatin1Char(' '));
        QCOMPARE(lines.join(QString()), path + reason);
    }

    // A message longer than its label is shown whole: the dialog grows.
    void longMessageIsShownWhole()
    {
        TestDialogs dialogs;
        const QString path = QStringLiteral("/home/a-user-with-a-long-name/Tarnwick/Brevane/program/share/brevane/"
                                            "PSF/page9.psf and some more words to need another line or two");
        std::unique_ptr<TfrmErrorDlg> dialog(TfrmErrorDlg::Create2(11152, path));
        QLabel *text = dialog->MessageLbl;
        QVERIFY(text->heightForWidth(505) > 105);
        QCOMPARE(text->height(), text->heightForWidth(505));
        QVERIFY(dialog->MessageLbl2->y() > text->geometry().bottom());
        QVERIFY(dialog->btnOk->y() > dialog->MessageLbl2->geometry().bottom());
        QVERIFY(dialog->btnOk->geometry().bottom() < dialog->height());
        QCOMPARE(dialog->width(), 537);
    }

    // ShowError through the installed sink: the dialog is modal; a message
    // raised while it is open waits and shows once it is closed, never over it.
    void oneMessageAtATime()
    {
        TestDialogs dialogs;
        ErrorDialogSink sink;
        MessageSink *previous = InstallMessageSink(&sink);
        int shown = 0;
        bool nested = false, secondShown = false;
        QStringList texts;
        TfrmErrorDlg *first = nullptr;
        std::function<void()> answer;
        // The message that waited shows in a dialog of its own after the first.
        QTimer waiting;
        waiting.setInterval(10);
        QObject::connect(&waiting, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<TfrmErrorDlg *>(QApplication::activeModalWidget());
            if (dialog && dialog != first) {
                waiting.stop();
                answer();
            }
        });
        answer = [&] {
            auto *dialog = qobject_cast<TfrmErrorDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(TfrmErrorDlg::Showing(), dialog);
            ++shown;
            texts << dialog->MessageLbl->text();
            const int beepsBefore = dialogs.beeps;
            if (shown == 1) {
                first = dialog;
                // Should a second dialog open over the first, close it so the test fails instead of waiting.
                nested = true;
                QTimer::singleShot(0, this, [&nested, &secondShown, dialog] {
                    if (nested && QApplication::activeModalWidget() != dialog) {
                        secondShown = true;
                        QApplication::activeModalWidget()->close();
                    }
                });
                ShowError(21212, QStringLiteral("nested"));
                TfrmErrorDlg::ShowMessage(ComposeError(11010));
                nested = false;
                QVERIFY(!secondShown);
                QCOMPARE(TfrmErrorDlg::Showing(), dialog);
                QCOMPARE(dialogs.beeps, beepsBefore);
                waiting.start();
            }
            QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
        };
        QTimer::singleShot(0, this, answer);
        ShowError(11010);
        QCOMPARE(shown, 2);
        QCOMPARE(TfrmErrorDlg::Showing(), nullptr);
        QCOMPARE(dialogs.beeps, 2);

        first = nullptr;
        QTimer::singleShot(0, this, answer);
        ShowError(33010);
        QCOMPARE(shown, 3);
        QCOMPARE(dialogs.beeps, 2);
        QVERIFY(texts[0].startsWith(QStringLiteral("1101-")));
        QVERIFY(texts[1].startsWith(QStringLiteral("2121-")));
        QVERIFY(texts[1].contains(QStringLiteral("nested")));
        QVERIFY(texts[2].startsWith(QStringLiteral("3301-")));
        InstallMessageSink(previous);
    }
};

QTEST_MAIN(TestErrorDialog)
#include "tst_errordialog.moc"
