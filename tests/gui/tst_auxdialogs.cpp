// Zoom, shrink font, preferences, help commands, PDF resources and the about box.

#include "GuiFixture.h"
#include "gui/dialogs/HelpCommands.h"
#include "gui/dialogs/TfrmAboutDlg.h"
#include "gui/dialogs/TfrmPreferenceDlg.h"
#include "gui/dialogs/TfrmShrinkFont.h"
#include "gui/dialogs/TfrmWindowScale.h"
#include "gui/dialogs/UserDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class TestAuxDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoomLayout_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("panelHeight");
        QTest::addColumn<int>("windowWidth");
        // tree 250 pixels, zoom base width 800
        QTest::newRow("page 1 at 100%") << 1.0 << 1 << 3465 << 1074;
        QTest::newRow("page 0 at 100%") << 1.0 << 0 << 2200 << 1074;
        QTest::newRow("page 3 at 150%") << 1.5 << 3 << 4290 << 1474;
        QTest::newRow("page 34 at 100%") << 1.0 << 34 << 1925 << 1074;
        QTest::newRow("page 25 at 50%") << 0.5 << 25 << 523 << 674;
        QTest::newRow("page 35 falls back") << 1.0 << 35 << 2200 << 1074;
        QTest::newRow("width truncated") << 0.333 << 13 << 458 << 540;
    }
    void zoomLayout()
    {
        QFETCH(double, zoom);
        QFETCH(int, page);
        QFETCH(int, panelHeight);
        QFETCH(int, windowWidth);
        const ZoomGeometry g = ZoomLayout(zoom, 250, 800, page);
        QCOMPARE(g.panelHeight, panelHeight);
        QCOMPARE(g.windowWidth, windowWidth);
        QCOMPARE(g.scale, zoom);
    }

    void zoomPercent_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one third") << 0.333 << "33%";
        QTest::newRow("whole") << 1.0 << "100%";
        QTest::newRow("half to even, down") << 0.125 << "12%";
        QTest::newRow("half to even, up") << 0.375 << "38%";
        QTest::newRow("zero") << 0.0 << "0%";
        QTest::newRow("top") << 2.0 << "200%";
    }
    void zoomPercent()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ZoomPercentText(value), text);
    }

    void zoomIsLimited_data()
    {
        QTest::addColumn<double>("asked");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero is half size") << 0.0 << 0.5 << "50%";
        QTest::newRow("a third is half size") << 0.333 << 0.5 << "50%";
        QTest::newRow("in between as asked") << 0.625 << 0.625 << "62%";
        QTest::newRow("five times is twice") << 5.0 << 2.0 << "200%";
        QTest::newRow("not a number is 100%") << qQNaN() << 1.0 << "100%";
    }
    // A zoom that hides the page (0%, which shrank the window to the tree)
    // cannot be chosen.
    void zoomIsLimited()
    {
        QFETCH(double, asked);
        QFETCH(double, value);
        QFETCH(QString, text);
        TfrmWindowScale dialog(1.0);
        dialog.SetValue(asked);
        QCOMPARE(dialog.Value(), value);
        QCOMPARE(dialog.lblValue->text(), text);
        dialog.TrackBar1->setValue(dialog.TrackBar1->minimum());
        QCOMPARE(dialog.Value(), MinZoom);
    }

    void zoomDialog()
    {
        TfrmWindowScale dialog(1.25);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Zoom Level"));
        QCOMPARE(dialog.Value(), 1.25);
        QCOMPARE(dialog.lblValue->text(), QStringLiteral("125%"));

        WhenShown([](QWidget *d) {
            static_cast<TfrmWindowScale *>(d)->TrackBar1->setValue(733);
            Press(d, "btnOk");
        });
        const std::optional<double> ok = ZoomClick(nullptr, 1.0);
        QVERIFY(ok);
        QCOMPARE(*ok, 0.733);

        WhenShown([](QWidget *d) {
            static_cast<TfrmWindowScale *>(d)->TrackBar1->setValue(1500);
            Press(d, "btnCancel");
        });
        QVERIFY(!ZoomClick(nullptr, 1.0));
    }

    void shrinkFontSelection_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("selected");
        QTest::newRow("0.0") << 0.0 << "0.0";
        QTest::newRow("1.5") << 1.5 << "1.5";
        QTest::newRow("3.0") << 3.0 << "3.0";
        QTest::newRow("between items") << 1.2 << "1.0";
        QTest::newRow("above the list") << 3.5 << "";
        QTest::newRow("negative") << -1.0 << "";
    }
    void shrinkFontSelection()
    {
        QFETCH(double, amount);
        QFETCH(QString, selected);
        TfrmShrinkFont dialog(amount, QString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Shrink Font Amount"));
        QCOMPARE(dialog.ListBox1->count(), 7);
        const QList<QListWidgetItem *> items = dialog.ListBox1->selectedItems();
        QCOMPARE(items.isEmpty() ? QString() : items[0]->text(), selected);
        QCOMPARE(dialog.SelectedAmount().has_value(), !selected.isEmpty());
    }

    void shrinkFontOkAndCancel()
    {
        WhenShown([](QWidget *d) {
            static_cast<TfrmShrinkFont *>(d)->ListBox1->setCurrentRow(5);
            Press(d, "btnCancel");
        });
        QVERIFY(!ShrinkFontOnClick(nullptr, 1.5, QString()));

        WhenShown([](QWidget *d) {
            static_cast<TfrmShrinkFont *>(d)->ListBox1->setCurrentRow(5);
            Press(d, "btnOk");
        });
        QCOMPARE(ShrinkFontOnClick(nullptr, 1.5, QString()), std::optional<double>(2.5));

        // Nothing selected: Ok changes nothing.
        WhenShown([](QWidget *d) { Press(d, "btnOk"); });
        QVERIFY(!ShrinkFontOnClick(nullptr, 9.0, QString()));
    }

    void shrinkFontHelp()
    {
        TestDialogs dialogs;
        TfrmShrinkFont dialog(0.0, QString());
        Press(&dialog, "btnHelp");
        QCOMPARE(dialogs.openedUrls.size(), 1);
        QVERIFY2(dialogs.openedUrls[0].path().endsWith(QStringLiteral("/shrink_font.htm")),
                 qPrintable(dialogs.openedUrls[0].toString()));
    }

    // The boxes switch the toolbars at once; the preferences take their final states.
    void preferences()
    {
        QString clientFolder = QStringLiteral("/home/user/Tarnwick/Brevane/Files");
        QList<bool> icons, labels;
        PreferenceHooks hooks;
        hooks.clientFolder = [&] { return clientFolder; };
        hooks.tempFolder = [] { return QStringLiteral("/home/user/Tarnwick/Brevane/Temp"); };
        hooks.showIconToolbar = [&](bool on) { icons << on; };
        hooks.showLabelToolbar = [&](bool on) { labels << on; };

        WhenShown([&](QWidget *d) {
            auto *dialog = static_cast<TfrmPreferenceDlg *>(d);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Brevane Preferences"));
            QCOMPARE(dialog->lblClientFolder->text(), clientFolder);
            QCOMPARE(dialog->lblTempFolder->text(), QStringLiteral("/home/user/Tarnwick/Brevane/Temp"));
            QVERIFY(dialog->cbxShowIconToolBar->isChecked());
            QVERIFY(!dialog->cbxShowLabelToolbar->isChecked());
            dialog->cbxShowIconToolBar->click();
            QCOMPARE(icons, QList<bool>({false}));
            dialog->cbxShowLabelToolbar->click();
            dialog->cbxShowLabelToolbar->click();
            dialog->cbxShowLabelToolbar->click();
            QCOMPARE(labels, QList<bool>({true, false, true}));
            // "Change" shows the folder again as stored now.
            clientFolder = QStringLiteral("/srv/clients");
            dialog->btnChangeClient->click();
            QCOMPARE(dialog->lblClientFolder->text(), clientFolder);
            dialog->close();
        });
        const Preferences result = PreferencesClick(nullptr, {true, false}, hooks);
        QVERIFY(!result.showIconToolbar);
        QVERIFY(result.showLabelToolbar);
    }

    void helpPages()
    {
        TestDialogs dialogs;
        QTemporaryDir program;
        TableofContentsClick(program.path());
        TutorialClick(program.path());
        QCOMPARE(dialogs.openedUrls.size(), 2);
        // A developer build opens the pages of its source tree.
        for (const QUrl &url : dialogs.openedUrls) {
            QVERIFY2(url.isLocalFile() && QFileInfo::exists(url.toLocalFile()), qPrintable(url.toString()));
        }
        QVERIFY(dialogs.openedUrls[0].path().endsWith(QStringLiteral("/default.htm")));
        QVERIFY(dialogs.openedUrls[1].path().endsWith(QStringLiteral("/tutorial/tutorial.htm")));

        // An installed Help folder wins.
        QVERIFY(QDir(program.path()).mkpath(QStringLiteral("Help")));
        QFile page(program.path() + QStringLiteral("/Help/default.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QCOMPARE(HelpPageUrl(program.path(), QString::fromLatin1(HelpContentsPath)),
                 QUrl::fromLocalFile(program.path() + QStringLiteral("/Help/default.htm")));
        // A page not installed is read from the maker's help site.
        QCOMPARE(HelpPageUrl(program.path(), QStringLiteral("/help/Brevane/tutorial/tutorial.htm")),
                 QUrl(QString::fromLatin1(HelpSiteHost) + QStringLiteral("/help/Brevane/tutorial/tutorial.htm")));

        // Without a browser to take it, the user is told where the page is.
        MessageRecorder recorder;
        dialogs.openUrlResult = false;
        TableofContentsClick(program.path());
        QCOMPARE(recorder.numbers(), QList<int>{11180});
        QCOMPARE(recorder.messages().first().detail,
                 QDir::toNativeSeparators(program.path() + QStringLiteral("/Help/default.htm")));
        // Nor when the desktop's opener starts and finds no browser.
        recorder.clear();
        dialogs.openUrlResult = true;
        dialogs.openUrlFailsLater = true;
        TableofContentsClick(program.path());
        QCOMPARE(recorder.numbers(), QList<int>{11180});
        QCOMPARE(recorder.messages().first().detail,
                 QDir::toNativeSeparators(program.path() + QStringLiteral("/Help/default.htm")));
    }

    void pdfResources_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the PDF folder; empty: cancelled
        QTest::addColumn<bool>("opens");     // an application takes the file
        QTest::addColumn<QString>("warning");
        QTest::newRow("opened") << "guide.pdf" << true << QString();
        QTest::newRow("name typed without extension") << "guide" << true << QString();
        QTest::newRow("cancelled") << QString() << true << QString();
        QTest::newRow("no application") << "guide.pdf" << false
                                        << "There is no application associated with the given filename extension.";
        QTest::newRow("file missing") << "missing.pdf" << true << "The specified file was not found.";
        QTest::newRow("folder missing") << "gone/missing.pdf" << true << "The specified path was not found.";
    }
    void pdfResources()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, opens);
        QFETCH(QString, warning);
        QTemporaryDir pdf;
        QFile guide(pdf.path() + QStringLiteral("/guide.PDF"));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.write("%PDF-1.4\n");
        guide.close();
        QFile::copy(guide.fileName(), pdf.path() + QStringLiteral("/guide.pdf"));

        TestDialogs dialogs;
        dialogs.openUrlResult = opens;
        if (!chosen.isEmpty())
            dialogs.fileAnswers << pdf.path() + QLatin1Char('/') + chosen;
        PDFClick(nullptr, pdf.path());
        QCOMPARE(dialogs.asked.value(0), QStringLiteral("Open IRS Publication Dialog"));
        const bool shellCalled = !chosen.isEmpty() && !chosen.contains(QLatin1String("missing"));
        QCOMPARE(dialogs.openedUrls.size(), shellCalled ? 1 : 0);
        if (warning.isEmpty())
            QCOMPARE(dialogs.asked.size(), 1);
        else
            QCOMPARE(dialogs.asked.value(1), QStringLiteral("Warning: ") + warning);
    }

    void shellFailureTexts()
    {
        QCOMPARE(ShellFailureText(ShellOpenStarted), QString());
        QCOMPARE(ShellFailureText(26), QStringLiteral("A sharing violation occurred."));
        QCOMPARE(ShellFailureText(32), QStringLiteral("The specified dynamic-link library was not found."));
        QCOMPARE(ShellFailureText(4), QString());
    }

    void aboutBox()
    {
        QCOMPARE(AboutCaption(), QStringLiteral("About Brevane - Version 1.01"));
        TfrmAboutDlg dialog;
        QCOMPARE(dialog.windowTitle(), AboutCaption());
        QCOMPARE(dialog.size(), QSize(500, 500));
        QVERIFY(dialog.lblCredits->isHidden());
        QCOMPARE(dialog.FadeIn->startValue().toDouble(), 0.0);
        QCOMPARE(dialog.FadeIn->endValue().toDouble(), 1.0);
        QCOMPARE(dialog.FadeIn->duration(), 3000);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.FadeIn->state(), QAbstractAnimation::Running);
        QTest::mouseDClick(dialog.Image1, Qt::LeftButton);
        QVERIFY(dialog.lblCredits->isVisible());
    }

    // A name typed without an extension gets the filter's inside the program's
    // own file dialog: Save asks before replacing other.cl1 when "other" is
    // typed, and Open finds it.
    void fileDialogAddsTheExtension_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("save") << true;
        QTest::newRow("open") << false;
    }

    void fileDialogAddsTheExtension()
    {
        QFETCH(bool, save);
        QTemporaryDir folder;
        QFile client(folder.filePath(QStringLiteral("other.cl1")));
        QVERIFY(client.open(QIODevice::WriteOnly));
        client.write("client");
        client.close();
        QString question;
        QTimer::singleShot(0, qApp, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QStringLiteral("other"));
            QTimer::singleShot(0, qApp, [&] {
                // The replace question, or none when opening.
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::Yes)->click();
                }
            });
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        });
        UserDialogs platform;
        const QString filter = QStringLiteral("Brevane Files (*.cl1)");
        const QString chosen =
            save ? platform.SaveFileName(nullptr, QStringLiteral("Save Client As"), folder.path(), filter)
                 : platform.OpenFileName(nullptr, QStringLiteral("Open Client"), folder.path(), filter);
        QCOMPARE(chosen, client.fileName());
        QCOMPARE(question.contains(QStringLiteral("other.cl1")), save);
    }

    // The program's file dialog shows each file's size, type and date whole,
    // not cut short with "...", once the folder is read.
    void fileDialogShowsWholeColumns()
    {
        QTemporaryDir folder;
        QFile client(folder.filePath(QStringLiteral("ridgeway-tool-holdings.cl1")));
        QVERIFY(client.open(QIODevice::WriteOnly));
        client.write(QByteArray(67394, 'x'));
        client.close();
        QStringList cut;
        bool looked = false;
        QTimer::singleShot(0, qApp, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            QAbstractItemView *view = dialog->findChild<QTreeView *>();
            QVERIFY(view);
            QHeaderView *header = static_cast<QTreeView *>(view)->header();
            QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 1);
            QCoreApplication::processEvents();
            for (int column = 0; column < header->count(); ++column) {
                const QString text = view->model()->index(0, column, view->rootIndex()).data().toString();
                if (header->sectionSize(column) < view->sizeHintForColumn(column))
                    cut << QStringLiteral("%1 (%2 < %3 px)")
                               .arg(text)
                               .arg(header->sectionSize(column))
                               .arg(view->sizeHintForColumn(column));
            }
            looked = true;
        });
        UserDialogs platform;
        QCOMPARE(platform.OpenFileName(nullptr, QStringLiteral("Open Client"), folder.path(),
                                       QStringLiteral("Brevane Files (*.cl1)")),
                 QString());
        QVERIFY(looked);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestAuxDialogs)
#include "tst_auxdialogs.moc"
