// Points HOME (and the XDG folders) at a fresh temporary folder for the lifetime of the object,
// so no test ever touches the real user directory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

class CTempHome
{
public:
    CTempHome();
    ~CTempHome();
    QString Path() const { return m_dir.path(); }
    /// The environment a child process needs to see the same home.
    QStringList Environment() const;

private:
    QTemporaryDir m_dir;
    std::map<QByteArray, QByteArray> m_saved;
};
