// The one interface through which library code asks the user something or tells them something.
// The GUI answers with dialogs, the CLI with its non-interactive policy, tests with a script.
#pragma once

#include <QString>
#include <QStringList>

class IUserPrompt
{
public:
    enum EAnswer
    {
        eYes,
        eNo,
        eCancel,
    };

    virtual ~IUserPrompt() = default;
    virtual EAnswer Question(const QString& title, const QString& text, bool withCancel = false) = 0;
    virtual void Information(const QString& title, const QString& text) = 0;
    virtual void Warning(const QString& title, const QString& text) = 0;
    /// False when the user cancelled; `value` holds the text otherwise.
    virtual bool TextInput(const QString& title, const QString& label, QString& value) = 0;
    /// Empty when cancelled.
    virtual QString OpenFile(const QString& caption, const QString& startPath, const QString& filter) = 0;
    /// Several files at once; empty when cancelled. Answers with OpenFile's one file unless the
    /// prompt can offer more.
    virtual QStringList OpenFiles(const QString& caption, const QString& startPath, const QString& filter)
    {
        const QString file = OpenFile(caption, startPath, filter);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    virtual QString SaveFile(const QString& caption, const QString& startPath, const QString& filter) = 0;
};
