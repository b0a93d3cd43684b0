#include "tests/support/TempHome.h"

#include <QProcessEnvironment>

namespace
{
const char* const kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};
}

CTempHome::CTempHome()
{
    for (const char* name : kVariables)
        m_saved[name] = qgetenv(name);
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CACHE_HOME");
}

CTempHome::~CTempHome()
{
    for (const auto& [name, value] : m_saved)
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
}

QStringList CTempHome::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());
    for (const char* name : kVariables)
        if (QByteArray(name) != "HOME")
            env.remove(name);
    return env.toStringList();
}
