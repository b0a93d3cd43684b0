// The user prompt answered with the toolkit's dialogs; buttons sized by the screen width.
#pragma once

#include "core/IUserPrompt.h"

class QWidget;

class CDialogPrompt : public IUserPrompt
{
public:
    explicit CDialogPrompt(QWidget* parent = nullptr) : m_pParent(parent) {}

    EAnswer Question(const QString& title, const QString& text, bool withCancel) override;
    void Information(const QString& title, const QString& text) override;
    void Warning(const QString& title, const QString& text) override;
    bool TextInput(const QString& title, const QString& label, QString& value) override;
    QString OpenFile(const QString& caption, const QString& startPath, const QString& filter) override;
    QStringList OpenFiles(const QString& caption, const QString& startPath, const QString& filter) override;
    QString SaveFile(const QString& caption, const QString& startPath, const QString& filter) override;

    /// The message-box button style for a screen of this width.
    static QString ButtonStyle(int screenWidth);

private:
    QWidget* m_pParent;
};
