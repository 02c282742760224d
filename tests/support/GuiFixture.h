#pragma once
// Shared by the widget tests: small page screen files written with the
// stream writer into a temporary program folder, a main window started on
// them in a temporary install root, ways to look at the window, and the
// user's typing and answers to modal dialogs.

#include "TestSupport.h"
#include "core/screens/ComponentWriter.h"
#include "gui/app/TfrmMain.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace brevane::test {

inline ComponentRecord PageControl(const char *className, const QString &name, int tag, double x, double y,
                                   double width = 200, double height = 24)
{
    ComponentRecord r;
    r.className = QLatin1String(className);
    r.name = name;
    if (tag != 0)
        r.Set(QStringLiteral("Tag"), StreamValue::Integer(tag));
    r.Set(QStringLiteral("Position.X"), StreamValue::Number(x));
    r.Set(QStringLiteral("Position.Y"), StreamValue::Number(y));
    r.Set(QStringLiteral("Size.Width"), StreamValue::Number(width));
    r.Set(QStringLiteral("Size.Height"), StreamValue::Number(height));
    return r;
}

// The control with a text property set, unless the text is empty.
inline ComponentRecord WithText(ComponentRecord r, const char *path, const QString &text)
{
    if (!text.isEmpty())
        r.Set(QLatin1String(path), StreamValue::Text(text));
    return r;
}

inline ComponentRecord Edit(const QString &name, int tag, double y, const QString &style = QString())
{
    return WithText(PageControl("TEdit", name, tag, 200, y), "StyleLookup", style);
}

inline ComponentRecord Label(const QString &name, int tag, double y, const QString &text = QString())
{
    return WithText(PageControl("TLabel", name, tag, 10, y, 180), "Text", text);
}

inline ComponentRecord CheckBox(const QString &name, int tag, double y, const QString &style = QString())
{
    return WithText(PageControl("TCheckBox", name, tag, 200, y), "StyleLookup", style);
}

inline ComponentRecord Memo(const QString &name, int tag, double y, const QString &style = QString())
{
    return WithText(PageControl("TMemo", name, tag, 200, y, 300, 80), "StyleLookup", style);
}

inline ComponentRecord Page(const QList<ComponentRecord> &children, double width = 900, double height = 1200)
{
    ComponentRecord root;
    root.className = QStringLiteral("TLayout");
    root.name = QStringLiteral("Page");
    root.Set(QStringLiteral("Size.Width"), StreamValue::Number(width));
    root.Set(QStringLiteral("Size.Height"), StreamValue::Number(height));
    root.children = children;
    return root;
}

// A temporary installation: the install root and a program folder whose PSF
// folder holds the pages a test writes.
class GuiFixture
{
public:
    GuiFixture()
    {
        UseUnitedStatesLocale();
        QDir(dir.path()).mkpath(QStringLiteral("program/PSF"));
        QDir(dir.path()).mkpath(QStringLiteral("root"));
    }

    QString InstallRoot() const { return dir.path() + QStringLiteral("/root/"); }
    QString ProgramFolder() const { return dir.path() + QStringLiteral("/program"); }
    QString PagePath(int page) const
    {
        return ProgramFolder() + QStringLiteral("/PSF/page") + QString::number(page) + QStringLiteral(".psf");
    }
    QString ClientFolder() const { return InstallRoot() + QStringLiteral("Brevane/Files"); }
    QString Path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    void WritePage(int page, const QList<ComponentRecord> &children, double width = 900, double height = 1200)
    {
        QString error;
        QVERIFY2(SaveComponentStream(PagePath(page), {Page(children, width, height)}, &error), qPrintable(error));
    }

    // A main window on this installation, shown (page 0 displayed) and active.
    std::unique_ptr<TfrmMain> Start(bool show = true, QSize screen = QSize(1920, 1080))
    {
        TStartOptions options;
        options.installRoot = InstallRoot();
        options.programFolder = ProgramFolder();
        options.screenSize = screen;
        auto window = std::make_unique<TfrmMain>(options);
        window->GraphicsAdapterAdjust = true; // no fade-in to wait for
        if (show) {
            window->show();
            QApplication::setActiveWindow(window.get());
            if (!QTest::qWaitForWindowActive(window.get()))
                qWarning("the main window did not become active");
        }
        return window;
    }

    QTemporaryDir dir;
};

template <class T = QWidget> T *Control(TfrmMain &window, const QString &name)
{
    return window.pnlMainForm->findChild<T *>(name);
}

inline QAction *Item(TfrmMain &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

// Moves the focus into a control as the user would.
inline void Enter(QWidget *control)
{
    control->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// Types `text` over what the edit holds and leaves it with Tab.
inline void TypeOver(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

// Answers the next modal dialog by running `act` on it.
inline void WhenShown(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        act(dialog);
    });
}

// Clicks the dialog's push button of that name.
inline void Press(QWidget *dialog, const char *button)
{
    auto *b = dialog->findChild<QPushButton *>(QLatin1String(button));
    QVERIFY(b);
    b->click();
}

} // namespace brevane::test
