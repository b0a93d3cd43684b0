#include "app/HDRMainWindow.h"

#include "core/AppLog.h"

#include <QLabel>

HDRMainWindow::HDRMainWindow(int openCLError, const QString& arguments, const QString& operatingSystem,
                             QWidget* parent)
    : QMainWindow(parent), m_iOpenCLError(openCLError), m_sArguments(arguments), m_sOperatingSystem(operatingSystem)
{
    setWindowTitle(QStringLiteral("Vantrope"));
    setObjectName(QStringLiteral("HDRMainWindow"));
    auto* start = new QLabel(this);
    start->setAlignment(Qt::AlignCenter);
    start->setPixmap(QPixmap(QStringLiteral("images/vantropestartup.png")));
    setCentralWidget(start);
    resize(1280, 800);
}

void HDRMainWindow::receiveMessage(QString message)
{
    m_sLastMessage = message;
    Helper::AppLog("HDRMainWindow::receiveMessage() -> " + message);
}
