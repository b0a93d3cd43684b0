// The main window. It receives the OpenCL error flag, the command-line text and the
// operating-system text from start-up, and the command lines of later starts.
#pragma once

#include <QMainWindow>

class HDRMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    HDRMainWindow(int openCLError, const QString& arguments, const QString& operatingSystem,
                  QWidget* parent = nullptr);

    int openCLError() const { return m_iOpenCLError; }
    QString startArguments() const { return m_sArguments; }
    QString lastMessage() const { return m_sLastMessage; }

public slots:
    void receiveMessage(QString message);

private:
    int m_iOpenCLError;
    QString m_sArguments;
    QString m_sOperatingSystem;
    QString m_sLastMessage;
};
