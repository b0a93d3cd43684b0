#include "app/DialogPrompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

namespace
{
int ScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                 const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setStyleSheet(CDialogPrompt::ButtonStyle(ScreenWidth()));
    return QMessageBox::StandardButton(box.exec());
}
}  // namespace

QString CDialogPrompt::ButtonStyle(int screenWidth)
{
    return screenWidth < 3840 ? QStringLiteral("QPushButton{min-width:80px; min-height: 20px}")
                              : QStringLiteral("QPushButton{min-width:110px; min-height: 30px}");
}

IUserPrompt::EAnswer CDialogPrompt::Question(const QString& title, const QString& text, bool withCancel)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (Show(m_pParent, QMessageBox::Question, title, text, buttons))
    {
    case QMessageBox::Yes:
        return eYes;
    case QMessageBox::No:
        return eNo;
    default:
        return eCancel;
    }
}

void CDialogPrompt::Information(const QString& title, const QString& text)
{
    Show(m_pParent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void CDialogPrompt::Warning(const QString& title, const QString& text)
{
    Show(m_pParent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

bool CDialogPrompt::TextInput(const QString& title, const QString& label, QString& value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_pParent, title, label, QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

QString CDialogPrompt::OpenFile(const QString& caption, const QString& startPath, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_pParent, caption, startPath, filter);
}

QStringList CDialogPrompt::OpenFiles(const QString& caption, const QString& startPath, const QString& filter)
{
    return QFileDialog::getOpenFileNames(m_pParent, caption, startPath, filter);
}

QString CDialogPrompt::SaveFile(const QString& caption, const QString& startPath, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_pParent, caption, startPath, filter);
}
