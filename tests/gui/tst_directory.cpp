// The directory worksheet window: role codes, row commands, the row
// clipboard, the rows handed back and the modified flag.

#include "TestSupport.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/directory/TfrmDirectory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace brevane;

namespace {

// Rows whose Name cells are the given texts; a "|"-separated text gives Code|Name.
DirectoryTable Rows(const QStringList &names)
{
    DirectoryTable table;
    table.SetRowCount(int(names.size()));
    for (int r = 0; r < names.size(); ++r) {
        const QStringList parts = names[r].split(QLatin1Char('|'));
        if (parts.size() == 2) {
            table.SetCell(r, ColCode, parts[0]);
            table.SetCell(r, ColName, parts[1]);
        } else {
            table.SetCell(r, ColName, names[r]);
        }
    }
    return table;
}

QStringList Names(const DirectoryTable &table)
{
    QStringList names;
    for (int r = 0; r < table.RowCount(); ++r)
        names << table.Cell(r, ColName);
    return names;
}

DirectoryRow NamedRow(const QString &name, const QString &code = QString())
{
    DirectoryRow row;
    row[ColCode] = code;
    row[ColName] = name;
    row[ColCity] = name + QStringLiteral(" City");
    return row;
}

} // namespace

class TestDirectory : public QObject
{
    Q_OBJECT

private:
    DirectoryTable clientRows;
    int modified = 0;
    // Rows handed back to the client; the client recalculates itself when they differ.
    int handedBack = 0;
    std::unique_ptr<TfrmDirectory> window;
    std::unique_ptr<TestDialogs> dialogs;

    // Opens the window on `rows` as the main window does, without the modal loop.
    bool Open(const DirectoryTable &rows)
    {
        clientRows = rows;
        DirectoryHooks hooks;
        hooks.markModified = [this] { ++modified; };
        hooks.keepRows = [this](const DirectoryTable &kept) {
            clientRows = kept;
            ++handedBack;
        };
        hooks.programFolder = QStringLiteral("/nonexistent-program-folder");
        window = std::make_unique<TfrmDirectory>(clientRows, hooks);
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }
    // Puts focus on `from`, then on `to`: `from` is left as the user leaves a field.
    void Leave(QWidget *from, QWidget *to)
    {
        from->setFocus(Qt::TabFocusReason);
        to->setFocus(Qt::TabFocusReason);
    }
    QCheckBox *Box(QChar letter) const
    {
        const QList<QCheckBox *> boxes = {window->cbxDirector,     window->cbxOfficer,  window->cbxShareholder,
                                          window->cbxIncorporator, window->cbxMember,   window->cbxManager,
                                          window->cbxIndividual,   window->cbxBusiness, window->cbxAuthorizedRep};
        return boxes[int(std::string_view(RoleLetters).find(char(letter.unicode())))];
    }
    QString TickedLetters() const
    {
        QString letters;
        for (const char letter : std::string_view(RoleLetters))
            if (Box(QLatin1Char(letter))->isChecked())
                letters += QLatin1Char(letter);
        return letters;
    }
    QAction *PopupAction(const QString &caption) const
    {
        for (QAction *action : window->PopupMenu->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        modified = 0;
        handedBack = 0;
        dialogs = std::make_unique<TestDialogs>();
        CurrentRowClipboard() = RCurrentRow{};
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
    }

    void roleCodeFromBoxes_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("code");
        QTest::newRow("director shareholder individual") << "SID"
                                                         << "DSI";
        QTest::newRow("every role") << "RBIGMCSOD"
                                    << "DOSCMGIBR";
        QTest::newRow("business representative") << "RB"
                                                 << "BR";
        QTest::newRow("no role") << ""
                                 << "";
    }
    // Ticking boxes in any order and leaving the box writes the code in the fixed order.
    void roleCodeFromBoxes()
    {
        QFETCH(QString, ticked);
        QFETCH(QString, code);
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        for (const QChar letter : ticked)
            Box(letter)->click();
        Leave(window->cbxDirector, window->edtName);
        QCOMPARE(window->Rows().Cell(0, ColCode), code);
        QCOMPARE(clientRows.Cell(0, ColCode), code); // copied back after the row was saved
        QCOMPARE(modified > 0, !ticked.isEmpty());
    }

    void roleCodeToBoxes_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("any order") << "IDS"
                                   << "DSI";
        QTest::newRow("every role") << "RBIGMCSOD"
                                    << "DOSCMGIBR";
        QTest::newRow("other characters ignored") << "x-B R"
                                                  << "BR";
        QTest::newRow("lower case is no role") << "dsi"
                                               << "";
    }
    void roleCodeToBoxes()
    {
        QFETCH(QString, cell);
        QFETCH(QString, ticked);
        QVERIFY(Open(Rows({cell + QStringLiteral("|A")})));
        QCOMPARE(TickedLetters(), ticked);
        QCOMPARE(window->edtName->text(), QStringLiteral("A"));
    }

    void clearingCashEmptiesItsCell()
    {
        DirectoryTable rows = Rows({QStringLiteral("M|A")});
        rows.SetCell(0, ColCash, QStringLiteral("X"));
        rows.SetCell(0, ColContribution, QStringLiteral("1,000"));
        QVERIFY(Open(rows));
        QVERIFY(window->cbxCash->isChecked());
        window->cbxCash->click();
        Leave(window->cbxCash, window->edtName);
        QCOMPARE(window->Rows().Cell(0, ColCash), QString());
        QCOMPARE(window->Rows().Cell(0, ColContribution), QStringLiteral("1,000"));
        QVERIFY(!window->cbxCash->isChecked());
        window->cbxNonCash->click();
        Leave(window->cbxNonCash, window->edtName);
        QCOMPARE(window->Rows().Cell(0, ColNoncash), QStringLiteral("X"));
    }

    // A name the client file cannot hold as typed is changed on leaving the
    // field, and the user is told what it became.
    void typedLettersTheFileCannotKeep()
    {
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        brevane::test::MessageRecorder recorder;
        window->edtName->setFocus(Qt::TabFocusReason);
        window->edtName->selectAll();
        window->edtName->insert(QStringLiteral("Nguy\u1ec5n Van")); // as typed or pasted
        Leave(window->edtName, window->edtAddress);
        QCOMPARE(window->Rows().Cell(0, ColName), QStringLiteral("Nguyen Van"));
        QCOMPARE(window->edtName->text(), QStringLiteral("Nguyen Van"));
        QCOMPARE(recorder.numbers(), QList<int>{11190});
        QCOMPARE(recorder.messages().first().detail, QStringLiteral("Nguy\u1ec5n Van \u2192 Nguyen Van"));
    }

    void insertRow()
    {
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->SelectRow(1);
        window->InsertRow();
        QCOMPARE(Names(window->Rows()), QStringList({"A", "", "B", "C"}));
        QCOMPARE(window->SelectedRow(), 1);
        QCOMPARE(window->edtName->text(), QString());
        QCOMPARE(window->Rows().Row(1), DirectoryRow{});
        QCOMPARE(QApplication::focusWidget(), window->edtName);
        QVERIFY(modified > 0);
    }

    // The pop-up menu's Insert puts the row clipboard into the new row and shows it.
    void insertClipboardRow()
    {
        CurrentRowClipboard() = NamedRow(QStringLiteral("Z"), QStringLiteral("DS"));
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->SelectRow(1);
        PopupAction(QStringLiteral("Insert"))->trigger();
        QCOMPARE(Names(window->Rows()), QStringList({"A", "Z", "B", "C"}));
        QCOMPARE(window->Rows().Row(1), NamedRow(QStringLiteral("Z"), QStringLiteral("DS")));
        QCOMPARE(window->SelectedRow(), 1);
        QCOMPARE(window->edtName->text(), QStringLiteral("Z"));
        QCOMPARE(TickedLetters(), QStringLiteral("DS"));
    }

    void deleteRow_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("shown");
        QTest::newRow("middle row, yes") << 1 << int(QMessageBox::Yes) << QStringList({"A", "C"}) << "C";
        QTest::newRow("last row, yes") << 2 << int(QMessageBox::Yes) << QStringList({"A", "B"}) << "B";
        QTest::newRow("first row, yes") << 0 << int(QMessageBox::Yes) << QStringList({"B", "C"}) << "B";
        QTest::newRow("middle row, no") << 1 << int(QMessageBox::No) << QStringList({"A", "B", "C"}) << "B";
    }
    void deleteRow()
    {
        QFETCH(int, selected);
        QFETCH(int, answer);
        QFETCH(QStringList, names);
        QFETCH(QString, shown);
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->SelectRow(selected);
        dialogs->questionAnswers << QMessageBox::StandardButton(answer);
        window->DeleteRow();
        QCOMPARE(dialogs->asked.size(), 1);
        QVERIFY2(dialogs->asked[0].contains(QStringLiteral("Delete")), qPrintable(dialogs->asked[0]));
        QCOMPARE(Names(window->Rows()), names);
        QCOMPARE(window->edtName->text(), shown);
        QCOMPARE(window->Rows().Cell(window->SelectedRow(), ColName), shown);
        QCOMPARE(modified > 0, answer == QMessageBox::Yes);
    }

    // The only row deleted leaves no rows; the main window's rows then have none.
    void deleteOnlyRow()
    {
        QVERIFY(Open(Rows({QStringLiteral("DS|A")})));
        dialogs->questionAnswers << QMessageBox::Yes;
        window->DeleteRow();
        QCOMPARE(window->Rows().RowCount(), 0);
        QCOMPARE(window->SelectedRow(), -1);
        QCOMPARE(window->edtName->text(), QString()); // the deleted row is not left in the panel
        QVERIFY(!window->Panel2->isEnabled());
        // Row commands without a row change nothing.
        window->DeleteRow();
        window->InsertRow();
        window->PasteCurrentRow();
        window->SaveEntry();
        QCOMPARE(dialogs->asked.size(), 1);
        QCOMPARE(window->Rows().RowCount(), 0);
        window->close();
        QCOMPARE(clientRows.RowCount(), 0);
        QVERIFY(handedBack > 0); // the window starts no recalculation: the client does, for rows that differ
    }

    void addRowAfterEmptying()
    {
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        dialogs->questionAnswers << QMessageBox::Yes;
        window->DeleteRow();
        window->AddRow();
        QCOMPARE(window->Rows().RowCount(), 1);
        QCOMPARE(window->SelectedRow(), 0);
        QVERIFY(window->Panel2->isEnabled());
        QTest::keyClicks(window->edtName, QStringLiteral("New Person"));
        window->cbxIncorporator->click();
        window->cbxIndividual->click();
        Leave(window->edtName, window->edtAddress);
        QCOMPARE(window->Rows().Cell(0, ColName), QStringLiteral("New Person"));
        QCOMPARE(window->Rows().Cell(0, ColCode), QStringLiteral("CI"));
    }

    void addRowAppendsAndSelects()
    {
        QVERIFY(Open(Rows({QStringLiteral("DS|A"), QStringLiteral("B")})));
        window->AddRow();
        QCOMPARE(Names(window->Rows()), QStringList({"A", "B", ""}));
        QCOMPARE(window->SelectedRow(), 2);
        QCOMPARE(TickedLetters(), QString());
        QCOMPARE(QApplication::focusWidget(), window->edtName);
        QCOMPARE(window->StringGrid->currentIndex().row(), 2);
    }

    // A new worksheet holds one empty row: Add fills it instead of leaving it
    // empty above the first person.
    void addOnANewWorksheetUsesItsEmptyRow()
    {
        QVERIFY(Open(DirectoryTable()));
        QCOMPARE(window->Rows().RowCount(), 1);
        auto *add = window->findChild<QPushButton *>(QStringLiteral("btnAdd"));
        QVERIFY(add);
        add->click();
        QCOMPARE(window->Rows().RowCount(), 1);
        QCOMPARE(window->SelectedRow(), 0);
        QTest::keyClicks(window->edtName, QStringLiteral("Dana Ortiz"));
        QTest::keyClick(window->edtName, Qt::Key_Tab);
        add->click();
        QCOMPARE(Names(window->Rows()), QStringList({"Dana Ortiz", ""}));
        QCOMPARE(window->SelectedRow(), 1);
    }

    // Cut takes the row off without asking (it is on the clipboard); Insert puts it back elsewhere.
    void cutAndInsertMovesRow()
    {
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->SelectRow(0);
        PopupAction(QStringLiteral("Cut Current Row"))->trigger();
        QVERIFY(dialogs->asked.isEmpty());
        QCOMPARE(Names(window->Rows()), QStringList({"B", "C"}));
        window->SelectRow(1);
        PopupAction(QStringLiteral("Insert"))->trigger();
        QCOMPARE(Names(window->Rows()), QStringList({"B", "A", "C"}));
    }

    void cutAndPasteOverwritesRow()
    {
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->SelectRow(0);
        window->CutCurrentRow();
        window->SelectRow(1);
        window->PasteCurrentRow();
        QCOMPARE(Names(window->Rows()), QStringList({"B", "A"}));
        QCOMPARE(window->Rows().Cell(1, ColCity), QString()); // the clipboard row as copied
    }

    // Leaving a panel field after a paste keeps the pasted row.
    void pasteThenEditKeepsPastedRow()
    {
        CurrentRowClipboard() = NamedRow(QStringLiteral("Z"), QStringLiteral("M"));
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B")})));
        window->SelectRow(1);
        window->StringGrid->setFocus();
        window->PasteCurrentRow();
        window->edtAddress->setFocus();
        QTest::keyClicks(window->edtAddress, QStringLiteral("1 Main St"));
        Leave(window->edtAddress, window->edtCity);
        QCOMPARE(window->Rows().Cell(1, ColName), QStringLiteral("Z"));
        QCOMPARE(window->Rows().Cell(1, ColCode), QStringLiteral("M"));
        QCOMPARE(window->Rows().Cell(1, ColCity), QStringLiteral("Z City"));
        QCOMPARE(window->Rows().Cell(1, ColAddress), QStringLiteral("1 Main St"));
    }

    // The grid's keys: copy, next, paste, add and cut.
    void gridShortcuts()
    {
        QVERIFY(Open(Rows({QStringLiteral("DO|A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->StringGrid->setFocus();
        QTest::keyClick(window->StringGrid, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(window->StringGrid, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(window->SelectedRow(), 1);
        QTest::keyClick(window->StringGrid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->Rows().Row(1), window->Rows().Row(0));
        QCOMPARE(window->edtName->text(), QStringLiteral("A"));
        QTest::keyClick(window->StringGrid, Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(window->SelectedRow(), 2);
        QTest::keyClick(window->StringGrid, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(Names(window->Rows()), QStringList({"A", "A"}));
        QCOMPARE(CurrentRowClipboard()[ColName], QStringLiteral("C"));
        QTest::keyClick(window->StringGrid, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(window->SelectedRow(), 0);
        QTest::keyClick(window->StringGrid, Qt::Key_F7, Qt::ControlModifier);
        QCOMPARE(window->Rows().RowCount(), 3);
        QCOMPARE(window->SelectedRow(), 2);
    }

    // Ctrl+C in an edit copies text, not the row.
    void editKeepsItsOwnCopy()
    {
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        window->edtName->setFocus();
        QTest::keyClick(window->edtName, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(CurrentRowClipboard(), RCurrentRow{});
    }

    // A field being typed in is saved before a row command, F2 or closing moves away from it.
    void typedTextIsNeverLost()
    {
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B")})));
        window->edtName->setFocus();
        window->edtName->selectAll();
        QTest::keyClicks(window->edtName, QStringLiteral("Ann"));
        QTest::keyClick(window->edtName, Qt::Key_F3, Qt::ControlModifier); // Next
        QCOMPARE(window->SelectedRow(), 1);
        QCOMPARE(window->Rows().Cell(0, ColName), QStringLiteral("Ann"));

        window->edtCity->setFocus();
        QTest::keyClicks(window->edtCity, QStringLiteral("Dayton"));
        QTest::keyClick(window->edtCity, Qt::Key_F2); // Save Current Row
        QCOMPARE(window->Rows().Cell(1, ColCity), QStringLiteral("Dayton"));

        window->edtZIP->setFocus();
        QTest::keyClicks(window->edtZIP, QStringLiteral("45402"));
        window->close();
        QCOMPARE(clientRows.Cell(1, ColZIP), QStringLiteral("45402"));
        QCOMPARE(clientRows.Cell(0, ColName), QStringLiteral("Ann"));
    }

    // Tab from Name walks the panel in reading order for every kind of row;
    // the signer's field is in the chain only where it is shown.
    void tabChainInReadingOrder_data()
    {
        const QStringList address = {QStringLiteral("edtName"), QStringLiteral("edtAddress"), QStringLiteral("edtCity"),
                                     QStringLiteral("edtState"), QStringLiteral("edtZIP")};
        const QStringList rest = {
            QStringLiteral("cbxDirector"),     QStringLiteral("cbxOfficer"),    QStringLiteral("cbxShareholder"),
            QStringLiteral("cbxIncorporator"), QStringLiteral("cbxMember"),     QStringLiteral("cbxManager"),
            QStringLiteral("cbxIndividual"),   QStringLiteral("cbxBusiness"),   QStringLiteral("cbxAuthorizedRep"),
            QStringLiteral("cbxCash"),         QStringLiteral("cbxNonCash"),    QStringLiteral("edtContribution"),
            QStringLiteral("edtInterest"),     QStringLiteral("edtNoOfShares"), QStringLiteral("edtClassOfShares")};
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("individual") << QStringLiteral("I") << address + rest;
        QTest::newRow("business signs by name")
            << QStringLiteral("B") << address + QStringList{QStringLiteral("edtByName")} + rest;
        QTest::newRow("corporation director") << QStringLiteral("DS") << address + rest;
        QTest::newRow("LLC member") << QStringLiteral("M") << address + rest;
        QTest::newRow("new empty row") << QString() << address + rest;
    }
    void tabChainInReadingOrder()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, chain);
        QVERIFY(Open(Rows({code + QStringLiteral("|Acme")})));
        window->edtName->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (int step = 0; step < chain.size() + 1; ++step) {
            QWidget *focused = QApplication::focusWidget();
            if (!focused || !window->Panel2->isAncestorOf(focused))
                break;
            walked << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(walked, chain);
    }

    // A name, street and city typed with Tab between them land in their
    // fields and tick no role.
    void typingWithTabFillsTheAddress()
    {
        QVERIFY(Open(Rows({QString()})));
        window->edtName->setFocus(Qt::TabFocusReason);
        for (const QString &text :
             {QStringLiteral("Dana Ortiz"), QStringLiteral("100 Main"), QStringLiteral("Columbus")}) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(window->Rows().Cell(0, ColName), QStringLiteral("Dana Ortiz"));
        QCOMPARE(window->Rows().Cell(0, ColAddress), QStringLiteral("100 Main"));
        QCOMPARE(window->Rows().Cell(0, ColCity), QStringLiteral("Columbus"));
        QCOMPARE(window->Rows().Cell(0, ColCode), QString());
        QCOMPARE(TickedLetters(), QString());
    }

    void priorOnFirstAndNextOnLast()
    {
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->PriorRow();
        QCOMPARE(window->SelectedRow(), 0);
        QCOMPARE(window->edtName->text(), QStringLiteral("A"));
        window->NextRow();
        window->NextRow();
        window->NextRow();
        QCOMPARE(window->SelectedRow(), 2);
        QCOMPARE(window->edtName->text(), QStringLiteral("C"));
        window->FirstRow();
        QCOMPARE(window->edtName->text(), QStringLiteral("A"));
        window->LastRow();
        QCOMPARE(window->edtName->text(), QStringLiteral("C"));
        window->PriorRow();
        QCOMPARE(window->edtName->text(), QStringLiteral("B"));
        QCOMPARE(modified, 0);
    }

    // A click on the grid shows that row, after saving the field that was left.
    void clickingGridSelectsRow()
    {
        QVERIFY(Open(Rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})));
        window->edtState->setFocus();
        QTest::keyClicks(window->edtState, QStringLiteral("OH"));
        QTableView *grid = window->StringGrid;
        const QRect cell = grid->visualRect(grid->model()->index(2, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(window->SelectedRow(), 2);
        QCOMPARE(window->edtName->text(), QStringLiteral("C"));
        QCOMPARE(window->edtState->text(), QString());
        QCOMPARE(window->Rows().Cell(0, ColState), QStringLiteral("OH"));
    }

    void businessShowsByName()
    {
        DirectoryTable rows = Rows({QStringLiteral("B|Acme Ltd"), QStringLiteral("I|Bo")});
        rows.SetCell(0, ColByName, QStringLiteral("Ann Smith, President"));
        QVERIFY(Open(rows));
        QVERIFY(window->edtByName->isVisible());
        QCOMPARE(window->edtByName->text(), QStringLiteral("Ann Smith, President"));
        window->NextRow();
        QVERIFY(!window->edtByName->isVisible());
        QVERIFY(!window->lblByName->isVisible());
        window->FirstRow();
        window->cbxBusiness->click();
        QVERIFY(!window->edtByName->isVisible());
        Leave(window->cbxBusiness, window->edtName);
        QCOMPARE(window->Rows().Cell(0, ColCode), QString());
        QCOMPARE(window->Rows().Cell(0, ColByName), QStringLiteral("Ann Smith, President"));
        window->cbxBusiness->click();
        QVERIFY(window->edtByName->isVisible());
        QVERIFY(modified > 0);
    }

    void clearWorksheet()
    {
        QVERIFY(Open(Rows({QStringLiteral("DS|A"), QStringLiteral("B"), QStringLiteral("C")})));
        // Asked first; No keeps every row.
        dialogs->questionAnswers << QMessageBox::No;
        window->ClearWorksheet();
        QCOMPARE(dialogs->asked.size(), 1);
        QVERIFY2(dialogs->asked[0].contains(QStringLiteral("Clear all 3 rows of the Directory Worksheet?")),
                 qPrintable(dialogs->asked[0]));
        QCOMPARE(window->Rows().RowCount(), 3);
        dialogs->questionAnswers << QMessageBox::Yes;
        window->ClearWorksheet();
        QCOMPARE(window->Rows().RowCount(), 1);
        QCOMPARE(window->Rows().Row(0), DirectoryRow{});
        QCOMPARE(window->SelectedRow(), 0);
        QCOMPARE(TickedLetters(), QString());
        QCOMPARE(window->edtName->text(), QString());
        QVERIFY(modified > 0);
        window->close();
        QCOMPARE(clientRows.RowCount(), 1);
    }

    // Opening and closing without edits leaves the client unmodified and its rows as they were.
    void openAndCloseWithoutEdits()
    {
        DirectoryTable rows = Rows({QStringLiteral("DOSCMGIBR|A"), QStringLiteral("B|B")});
        rows.SetCell(0, ColCash, QStringLiteral("X"));
        rows.SetCell(1, ColByName, QStringLiteral("Bob"));
        QVERIFY(Open(rows));
        QCOMPARE(QApplication::focusWidget(), window->cbxDirector);
        window->NextRow();
        window->FirstRow();
        Leave(window->cbxDirector, window->edtName);
        window->CopyCurrentRow();
        window->close();
        QCOMPARE(modified, 0);
        QVERIFY(handedBack > 0); // the window starts no recalculation: the client does, for rows that differ
        QVERIFY(!window->RowsChanged());
        QCOMPARE(clientRows, rows);
    }

    // The main window's modal call returns whether the rows changed; the copy goes back at close.
    void displayDirectoryModal()
    {
        clientRows = Rows({QStringLiteral("A")});
        DirectoryHooks hooks;
        hooks.markModified = [this] { ++modified; };
        hooks.keepRows = [this](const DirectoryTable &kept) {
            clientRows = kept;
            ++handedBack;
        };
        QTimer::singleShot(0, this, [] {
            auto *w = qobject_cast<TfrmDirectory *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QCOMPARE(TfrmDirectory::Showing(), w);
            w->AddRow();
            w->close();
        });
        QVERIFY(DisplayDirectory(nullptr, clientRows, hooks));
        QCOMPARE(clientRows.RowCount(), 2);
        QVERIFY(handedBack > 0); // the window starts no recalculation: the client does, for rows that differ
        QVERIFY(modified > 0);
        QCOMPARE(TfrmDirectory::Showing(), nullptr);

        QTimer::singleShot(0, this, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(!DisplayDirectory(nullptr, clientRows, hooks));
    }

    // SaveStringGrid hands the open window's rows back at once.
    void saveStringGridWhileOpen()
    {
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        QCOMPARE(TfrmDirectory::Showing(), window.get());
        window->StringGrid->setFocus(); // no panel field is left below
        window->AddRow();
        window->AddRow();
        QCOMPARE(clientRows.RowCount(), 1);
        TfrmDirectory::Showing()->SaveStringGrid();
        QCOMPARE(clientRows.RowCount(), 3);
        window.reset();
        QCOMPARE(TfrmDirectory::Showing(), nullptr);
    }

    // The row clipboard lives for the whole run.
    void clipboardOutlivesWindow()
    {
        QVERIFY(Open(Rows({QStringLiteral("SC|Kept")})));
        window->CopyCurrentRow();
        window->close();
        window.reset();
        QVERIFY(Open(Rows({QStringLiteral("Other")})));
        window->PasteCurrentRow();
        QCOMPARE(window->Rows().Cell(0, ColName), QStringLiteral("Kept"));
        QCOMPARE(window->Rows().Cell(0, ColCode), QStringLiteral("SC"));
    }

    void gridColumns()
    {
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        QCOMPARE(window->windowTitle(), QStringLiteral("Directory"));
        QCOMPARE(window->size(), QSize(800, 600));
        const QStringList headers = {"Code", "Name", "Street Address", "City", "State", "ZIP Code", "By Name"};
        for (int c = 0; c < DirectoryColumnCount; ++c) {
            QCOMPARE(window->StringGrid->columnWidth(c), c < 7 ? 800 / 7 : 0);
            if (c < 7)
                QCOMPARE(window->StringGrid->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        }
        QCOMPARE(window->StringGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QStringList captions;
        for (QAction *action : window->PopupMenu->actions())
            if (!action->isSeparator())
                captions << action->text() + QLatin1Char('=') + action->shortcut().toString();
        QCOMPARE(captions, QStringList({"First=Ctrl+F1", "Prior=Ctrl+F2", "Next=Ctrl+F3", "Last=Ctrl+F4",
                                        "Insert=Ctrl+F5", "Delete=Ctrl+F6", "Add=Ctrl+F7", "Copy Current Row=Ctrl+C",
                                        "Paste Current Row=Ctrl+V", "Cut Current Row=Shift+Del", "Save Current Row=F2",
                                        "Import from CSV...=", "Export to CSV...="}));
    }

    void helpOpensTutorialStep()
    {
        QVERIFY(Open(Rows({QStringLiteral("A")})));
        window->HelpTopicSender();
        QCOMPARE(dialogs->openedUrls.size(), 1);
        const QUrl url = dialogs->openedUrls[0];
        QVERIFY2(url.isLocalFile() && url.path().endsWith(QStringLiteral("/tutorial/step_2.htm")),
                 qPrintable(url.toString()));
        QVERIFY(QFileInfo::exists(url.toLocalFile()));
    }
};

QTEST_MAIN(TestDirectory)
#include "tst_directory.moc"
