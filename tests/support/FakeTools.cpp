#include "tests/support/FakeTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
const char* const kVariables[] = {"VANTROPE_FFMPEG_DIR", "FAKE_TOOL_REAL_DIR", "FAKE_TOOL_FAULT", "FAKE_TOOL_SPY"};
const char* const kTools[] = {"ffmpeg", "ffprobe"};

QString ScriptPath()
{
    return QStringLiteral(VANTROPE_SOURCE_DIR) + "/tests/support/fake_tool.sh";
}
}  // namespace

CFakeTools::CFakeTools()
{
    for (const char* name : kVariables)
        m_saved[name] = qgetenv(name);
    // The real programs as they would be found without us: PATH, not a folder set before.
    const QString real = QStandardPaths::findExecutable("ffmpeg");
    m_bValid = m_dir.isValid() && !real.isEmpty();
    for (const char* tool : kTools)
    {
        const QString target = m_dir.path() + "/" + tool;
        m_bValid = m_bValid && QFile::copy(ScriptPath(), target) &&
                   QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("FAKE_TOOL_REAL_DIR", QFile::encodeName(QFileInfo(real).absolutePath()));
    qputenv("VANTROPE_FFMPEG_DIR", QFile::encodeName(m_dir.path()));
    qunsetenv("FAKE_TOOL_FAULT");
    qunsetenv("FAKE_TOOL_SPY");
}

CFakeTools::~CFakeTools()
{
    for (const auto& [name, value] : m_saved)
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
}

void CFakeTools::SetFault(const QString& faults)
{
    if (faults.isEmpty())
        qunsetenv("FAKE_TOOL_FAULT");
    else
        qputenv("FAKE_TOOL_FAULT", faults.toUtf8());
}

void CFakeTools::StartSpy()
{
    const QString log = m_dir.path() + "/spy.log";
    QFile::remove(log);
    qputenv("FAKE_TOOL_SPY", QFile::encodeName(log));
}

QList<CFakeTools::SRun> CFakeTools::Runs() const
{
    QFile file(m_dir.path() + "/spy.log");
    QList<SRun> runs;
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    const QList<QByteArray> items = file.readAll().split('\0');
    for (qsizetype i = 0; i + 3 < items.size() && items[i] == "RUN";)
    {
        SRun run{QString::fromUtf8(items[i + 1]), QString::fromUtf8(items[i + 2]), {}};
        const int argc = items[i + 3].toInt();
        i += 4;
        for (int a = 0; a < argc && i < items.size(); ++a, ++i)
            run.arguments << QFile::decodeName(items[i]);
        runs << run;
    }
    return runs;
}

void CFakeTools::Break(const QString& tool, EBreak how)
{
    const QString path = m_dir.path() + "/" + tool;
    QFile::remove(path);
    if (how == eNOT_EXECUTABLE)
    {
        QFile::copy(ScriptPath(), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    else if (how == eDIRECTORY)
        QDir().mkdir(path);
}
