#include "app/TfrmMain.h"

#include "store/Answers.h"

#include <QFileInfo>

namespace brevane {

TfrmMain::TfrmMain(QWidget *parent) : QMainWindow(parent)
{
    CreateAnswerStore();
    resize(1024, 768);
    UpdateCaption();
}

void TfrmMain::UpdateCaption()
{
    setWindowTitle(QStringLiteral("Brevane - ") + QFileInfo(clientFileName_).fileName());
}

} // namespace brevane
