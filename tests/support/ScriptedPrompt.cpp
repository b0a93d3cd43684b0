#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

IUserPrompt::EAnswer CScriptedPrompt::Question(const QString& title, const QString& text, bool)
{
    m_log << "question|" + title + "|" + text;
    if (m_questions.isEmpty() || !text.contains(m_questions.first().first))
    {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return eCancel;
    }
    return m_questions.takeFirst().second;
}

void CScriptedPrompt::Information(const QString& title, const QString& text)
{
    m_log << "information|" + title + "|" + text;
}

void CScriptedPrompt::Warning(const QString& title, const QString& text)
{
    m_log << "warning|" + title + "|" + text;
}

QString CScriptedPrompt::NextText()
{
    return m_texts.isEmpty() ? QString() : m_texts.takeFirst();
}

bool CScriptedPrompt::TextInput(const QString& title, const QString& label, QString& value)
{
    m_log << "input|" + title + "|" + label;
    const QString text = NextText();
    if (text.isEmpty())
        return false;
    value = text;
    return true;
}

QString CScriptedPrompt::OpenFile(const QString& caption, const QString& startPath, const QString&)
{
    m_log << "open|" + caption + "|" + startPath;
    return NextText();
}

QString CScriptedPrompt::SaveFile(const QString& caption, const QString& startPath, const QString&)
{
    m_log << "save|" + caption + "|" + startPath;
    return NextText();
}
