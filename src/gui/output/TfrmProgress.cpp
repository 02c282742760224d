#include "gui/output/TfrmProgress.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>

namespace brevane {

TfrmProgress::TfrmProgress(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfrmProgress"));
    setWindowTitle(QStringLiteral("Brevane"));
    setModal(false);
    auto *column = new QVBoxLayout(this);
    lblProgress = new QLabel(this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setMinimumWidth(320);
    lblProgress->setAlignment(Qt::AlignCenter);
    column->addWidget(lblProgress);
}

void TfrmProgress::ShowNow(const QString &text)
{
    lblProgress->setText(text);
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace brevane
