#include "tests/support/TempHome.h"

#include <QFile>

#include <sys/stat.h>

namespace
{
const char* const kVariables[] = {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};
}

CTempHome::CTempHome()
{
    for (const char* name : kVariables)
        m_saved[name] = qgetenv(name);
    qputenv("HOME", m_dir.path().toLocal8Bit());
    // A temp folder of its own too: test programs run in parallel, and some check that nothing
    // is left in the private temp folder. Shared with every user as the system's is, so tests
    // that run a program as another user can reach their files in it.
    const QByteArray tmp = QFile::encodeName(m_dir.path() + QStringLiteral("/tmp"));
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0711);
    ::mkdir(tmp.constData(), 0700);
    ::chmod(tmp.constData(), 01777);
    qputenv("TMPDIR", tmp);
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
