// Answers for a run without anyone to ask: the options already said what is wanted.
#pragma once

#include "cli/Command.h"
#include "core/IUserPrompt.h"

class CCliPrompt : public IUserPrompt
{
public:
    EAnswer Question(const QString&, const QString&, bool) override { return eYes; }
    void Information(const QString&, const QString& text) override { CliPrint(text); }
    void Warning(const QString&, const QString& text) override { CliError(text); }
    bool TextInput(const QString&, const QString&, QString&) override { return false; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};
