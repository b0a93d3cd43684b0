// A user prompt that answers from a script: each expected question text with its answer, in
// order. An unexpected question fails the test; everything asked or shown is recorded.
#pragma once

#include "core/IUserPrompt.h"

#include <QList>
#include <QPair>
#include <QStringList>

class CScriptedPrompt : public IUserPrompt
{
public:
    /// Expects a question whose text contains `textPart`, answered with `answer`.
    void ExpectQuestion(const QString& textPart, EAnswer answer) { m_questions.append({textPart, answer}); }
    /// Answers for text input and file dialogs, taken in order (an empty text means cancel).
    void QueueText(const QString& text) { m_texts.append(text); }

    EAnswer Question(const QString& title, const QString& text, bool withCancel) override;
    void Information(const QString& title, const QString& text) override;
    void Warning(const QString& title, const QString& text) override;
    bool TextInput(const QString& title, const QString& label, QString& value) override;
    QString OpenFile(const QString& caption, const QString& startPath, const QString& filter) override;
    QString SaveFile(const QString& caption, const QString& startPath, const QString& filter) override;

    /// "question|title|text", "information|…", "warning|…", "input|…", "open|…", "save|…".
    const QStringList& Log() const { return m_log; }
    /// Script entries not used yet.
    int Unanswered() const { return int(m_questions.size()); }

private:
    QString NextText();

    QList<QPair<QString, EAnswer>> m_questions;
    QStringList m_texts;
    QStringList m_log;
};
