// Points HOME (and the XDG folders) and TMPDIR at a fresh temporary folder for the lifetime of
// the object, so no test ever touches the real user directory or another test program's files.
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

private:
    QTemporaryDir m_dir;
    std::map<QByteArray, QByteArray> m_saved;
};
