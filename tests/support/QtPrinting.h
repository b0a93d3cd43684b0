// Readable gtest failure output for Qt's texts (found by argument-dependent lookup).
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[' << texts.join("; ").toStdString() << ']';
}
