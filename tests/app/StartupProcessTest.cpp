// The program started for real: initialise-and-exit, the start-up log, the hand-over of a second
// start's command line, recovery from a killed first instance, and concurrent starts; and the
// single-instance channel inside one process: election, message passing, refusals.
#include "app/SingleInstanceChannel.h"
#include "core/NativeNames.h"
#include "core/StillImage.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/SyntheticImages.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QSet>
#include <QSharedMemory>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>

namespace
{
const QString kProgram = QStringLiteral(VANTROPE_BIN_DIR "/vantrope");

class StartupProcess : public ::testing::Test
{
protected:
    void SetUp() override { QDir().mkpath(Tmp()); }

    QString Home() const { return m_dir.path(); }
    QString Tmp() const { return m_dir.path() + "/tmp"; }
    QString UserDir() const { return Home() + "/Vantrope 1/"; }

    std::unique_ptr<QProcess> Start(const QStringList& args, const QString& lang = "de_DE.UTF-8",
                                    const QString& program = kProgram)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", Home());
        env.insert("TMPDIR", Tmp()); // own lock file and segment key, isolated from other tests
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LANG", lang);
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.remove(name);
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(program, args);
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }

    // Reads the process's output until it contains `text` or the wait is given up.
    static bool WaitForOutput(QProcess& process, QByteArray& output, const QByteArray& text, int ms = 15000)
    {
        const QDeadlineTimer deadline(ms);
        while (!output.contains(text) && !deadline.hasExpired())
        {
            process.waitForReadyRead(50);
            output += process.readAll();
            if (process.state() == QProcess::NotRunning)
            {
                output += process.readAll();
                break;
            }
        }
        return output.contains(text);
    }

    static void Terminate(QProcess& process)
    {
        ::kill(pid_t(process.processId()), SIGTERM);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }

    // A file name given on the command line as the running program receives it: absolute.
    static QByteArray Received(const QString& name) { return QFile::encodeName(QDir::currentPath() + "/" + name); }

    // Starts the program and waits until it has started up.
    std::unique_ptr<QProcess> StartRunning(const QStringList& args, QByteArray& output)
    {
        auto process = Start(args);
        EXPECT_TRUE(WaitForOutput(*process, output, "Startup-Time: ")) << output.constData();
        return process;
    }

    QString StartupLog() const
    {
        QFile file(UserDir() + "startup.log");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir m_dir;
};

// Shared segments of the channel's size created by one of these processes and still present.
int SegmentsCreatedBy(const QList<qint64>& pids)
{
    QFile file("/proc/sysvipc/shm");
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    for (const QByteArray& line : file.readAll().split('\n'))
    {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() > 4 && f[3].toLongLong() == CSingleInstanceChannel::kSegmentSize && pids.contains(f[4].toLongLong()))
            ++count;
    }
    return count;
}
}  // namespace

TEST_F(StartupProcess, InitializeAndExitWritesOnlyTheRegistration)
{
    auto plain = Start({"-InitializeAndExit"});
    ASSERT_TRUE(plain->waitForFinished(15000));
    EXPECT_EQ(plain->exitCode(), 0);
    QSettings ini(Home() + "/ProjectData/Vantrope 1.ini", QSettings::IniFormat);
    EXPECT_EQ(ini.value("Path").toString(), QStringLiteral(VANTROPE_BIN_DIR));
    EXPECT_FALSE(QFile::exists(UserDir() + "language.ini"));
    EXPECT_FALSE(QFile::exists(UserDir() + "startup.log"));

    for (const auto& [argument, locale] : {std::pair{"-Lang_FR", "fr_FR"}, {"-Lang_EN", "en_GB"}, {"-Lang_XX", "en_GB"}})
    {
        auto withLanguage = Start({"-InitializeAndExit", argument});
        ASSERT_TRUE(withLanguage->waitForFinished(15000));
        EXPECT_EQ(withLanguage->exitCode(), 0);
        EXPECT_EQ(QSettings(UserDir() + "language.ini", QSettings::IniFormat).value("locale").toString(), locale)
            << argument;
    }
    EXPECT_FALSE(QFile::exists(UserDir() + "startup.log"));
}

TEST_F(StartupProcess, NormalStartWritesItsLogAndEndsCleanly)
{
    auto primary = Start({"-Lang_FR"}, "de_CH.UTF-8");
    QByteArray output;
    ASSERT_TRUE(WaitForOutput(*primary, output, "Startup-Time: ")) << output.constData();
    const QString log = StartupLog();
    for (const char* line : {"Programm-ID: VANTROPE_1_2_B27CF34A\n", "Programm-Version: 1.14.3607\n",
                             "Selected Locale: de_DE\n", "OpenCL init failed\n",
                             "call MP_UI_SetCalcForceMode(MP_CALCMODE_CPU)\n", "OpenCL initialisation finished\n",
                             "Argc: 2 Argv: -Lang_FR\n", "Starting...\n"})
        EXPECT_TRUE(log.contains(line)) << line << "\n" << log.toStdString();
    EXPECT_TRUE(log.contains(QRegularExpression("Setting IdealThreadCount: \\d+ \\(ReadValue: \\d+\\)\n")));
    EXPECT_EQ(QSettings(UserDir() + "language.ini", QSettings::IniFormat).value("locale").toString(), "de_DE");
    EXPECT_FALSE(output.contains("Programm-ID")); // the start-up lines went into the log file only

    const qint64 pid = primary->processId();
    Terminate(*primary);
    EXPECT_EQ(SegmentsCreatedBy({pid}), 0);
    EXPECT_TRUE(CInvariantCheck::LiveChildren().isEmpty());
}

TEST_F(StartupProcess, EndedBySignalKeepsThePictureAsRecoveryProject)
{
    const QString picture = m_dir.filePath("picture.png");
    const std::vector<uint16_t> pixels(size_t(32) * 24 * 3, 30000);
    QString error;
    ASSERT_TRUE(StillImage::Save(picture, pixels.data(), 32, 24, error)) << error.toStdString();
    QByteArray output;
    auto primary = StartRunning({picture}, output);
    Terminate(*primary);
    const QString recovery = UserDir() + "Recover.vantropeProject";
    ASSERT_TRUE(QFileInfo(recovery).isFile()) << output.constData();
    EXPECT_EQ(QSettings(recovery, QSettings::IniFormat).value("Exposure0000/FilePath").toString(), picture);
    EXPECT_FALSE(QFileInfo::exists(UserDir() + "temp0")); // the undo folders still go
}

TEST_F(StartupProcess, StillNamedRelativelyInBytesThatAreNotUtf8Opens)
{
    // The program moves into its own folder while it starts; the name is relative to the folder
    // it was started in, and its bytes are not UTF-8.
    const std::vector<uint16_t> picture = TestImages::Noise(8, 6, 1);
    QString error;
    ASSERT_TRUE(StillImage::Save(Tmp() + "/pic.png", picture.data(), 8, 6, error)) << error.toStdString();
    const QByteArray folder = QFile::encodeName(Tmp());
    ASSERT_EQ(::rename((folder + "/pic.png").constData(), (folder + "/pic\xff.png").constData()), 0);
    const QString inFolder = QStringLiteral("cd \"$1\" && exec \"$0\" \"$(printf 'pic\\377.png')\"");
    auto primary = Start({"-c", inFolder, kProgram, Tmp()}, "de_DE.UTF-8", "sh");
    QByteArray output;
    ASSERT_TRUE(WaitForOutput(*primary, output, "Startup-Time: ")) << output.constData();
    Terminate(*primary);
    EXPECT_FALSE(StartupLog().contains("LoadStillImage() -> Failed")) << StartupLog().toStdString();
    EXPECT_EQ(QSettings(UserDir() + "statistic.ini", QSettings::IniFormat).value("m_iSingleImagesLoaded").toInt(), 1);
    NativeNames::Release(NativeNames::Readable(folder + "/pic\xff.png"));
    ::unlink((folder + "/pic\xff.png").constData()); // the temporary folder's clean-up cannot name it
}

TEST_F(StartupProcess, KilledFirstInstanceDoesNotBlockTheNextStart)
{
    QList<qint64> pids;
    for (int trial = 0; trial < 5; ++trial)
    {
        QByteArray output;
        auto first = StartRunning({}, output);
        pids << first->processId();
        first->kill();
        ASSERT_TRUE(first->waitForFinished(5000));
    }
    QByteArray output;
    auto next = Start({});
    ASSERT_TRUE(WaitForOutput(*next, output, "Startup-Time: ")) << "the stale lock made it a second instance: "
                                                                   << output.constData();
    EXPECT_FALSE(StartupLog().contains("Application already running"));
    EXPECT_LE(SegmentsCreatedBy(pids), 1); // the stale segment was taken over, not piled up
    pids << next->processId();
    Terminate(*next);
    EXPECT_EQ(SegmentsCreatedBy(pids), 0);
}

TEST_F(StartupProcess, ConcurrentStartsElectOneFirstInstanceAndTheOthersHandTheirArgumentsToIt)
{
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 4; ++i)
        starts.push_back(Start({QStringLiteral("m%1").arg(i), "b"}));
    // The forwarding instances end by themselves; the first one keeps running.
    const QDeadlineTimer deadline(20000);
    int ended = 0;
    while (ended < 3 && !deadline.hasExpired())
    {
        ended = 0;
        for (auto& p : starts)
            ended += p->waitForFinished(20) || p->state() == QProcess::NotRunning ? 1 : 0;
    }
    ASSERT_EQ(ended, 3);
    QProcess* primary = nullptr;
    QSet<QString> sent;
    for (int i = 0; i < 4; ++i)
    {
        if (starts[size_t(i)]->state() != QProcess::NotRunning)
            primary = starts[size_t(i)].get();
        else
        {
            EXPECT_EQ(starts[size_t(i)]->exitCode(), 0);
            sent << QStringLiteral("m%1").arg(i);
        }
    }
    ASSERT_NE(primary, nullptr);
    // File names arrive absolute: the first instance works in another folder.
    const auto line = [](const QString& message) {
        return "InterpretReceivedMessage: " + Received(message) + " " + Received("b") + "\n";
    };
    QByteArray output;
    for (const QString& message : sent)
        EXPECT_TRUE(WaitForOutput(*primary, output, line(message), 3000)) << message.toStdString() << " not delivered:\n"
                                                                           << output.constData();
    for (const QString& message : sent)
        EXPECT_EQ(output.count(line(message)), 1); // delivered once
    Terminate(*primary);
}

TEST_F(StartupProcess, FrozenFirstInstanceNeverHoldsALaterStart)
{
    QByteArray output;
    auto primary = StartRunning({}, output);
    ::kill(pid_t(primary->processId()), SIGSTOP);

    auto second = Start({"x"}); // the channel is idle: the message is left for later
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(StartupLog().contains("Application already running: terminating\n"));

    auto third = Start({"y"}); // x is still unread: y gives up after a bounded wait
    ASSERT_TRUE(third->waitForFinished(30000));
    EXPECT_EQ(third->exitCode(), 1);
    EXPECT_TRUE(StartupLog().contains("running instance does not answer"));

    ::kill(pid_t(primary->processId()), SIGCONT);
    EXPECT_TRUE(WaitForOutput(*primary, output, "InterpretReceivedMessage: " + Received("x") + "\n", 3000))
        << output.constData();
    Terminate(*primary);
    EXPECT_FALSE(output.contains("InterpretReceivedMessage: " + Received("y")));
}

TEST_F(StartupProcess, AnotherUsersInstanceIsInvisible)
{
    if (::getuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
        GTEST_SKIP() << "needs root and setpriv to start a program as another user";
    // Shared temp folder as on a real machine; the other user's home is its own.
    QFile::setPermissions(Home(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                      QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    ASSERT_EQ(::chmod(QFile::encodeName(Tmp()).constData(), 01777), 0);
    const QString otherHome = Home() + "/other";
    QDir().mkpath(otherHome);
    ASSERT_EQ(::chmod(QFile::encodeName(otherHome).constData(), 0777), 0);

    QByteArray output;
    auto mine = StartRunning({}, output);

    QProcess other;
    QProcessEnvironment env = mine->processEnvironment();
    env.insert("HOME", otherHome);
    other.setProcessEnvironment(env);
    other.setProcessChannelMode(QProcess::MergedChannels);
    other.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", kProgram, "z"});
    QByteArray otherOutput;
    EXPECT_TRUE(WaitForOutput(other, otherOutput, "Startup-Time: ")) << "the other user's start must be a first "
                                                                        "instance of its own: "
                                                                     << otherOutput.constData();
    Terminate(other);
    Terminate(*mine);
    EXPECT_FALSE(output.contains("InterpretReceivedMessage: "));
}

// ---------------------------------------------------------------------------------------------

namespace
{
// Every test gets its own temp folder, so its lock file and segment are its own.
class SingleInstance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_tmp.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("TMPDIR", m_savedTmp); }
    static QString Next(QSignalSpy& received) { return received.wait(1000) ? received.takeFirst().at(0).toString() : QString(); }

    QTemporaryDir m_tmp;
    QByteArray m_savedTmp;
    const QString m_key = QStringLiteral("VANTROPE_TEST_KEY");
};
}  // namespace

TEST_F(SingleInstance, LaterChannelsHandTheirTextsToTheFirstUpToTheSegmentSize)
{
    {
        CSingleInstanceChannel gone(m_key);
        EXPECT_FALSE(gone.isRunning());
    } // the first channel gone, the next one is first
    CSingleInstanceChannel first(m_key);
    ASSERT_FALSE(first.isRunning());
    QSignalSpy received(&first, &CSingleInstanceChannel::messageAvailable);

    CSingleInstanceChannel second(m_key);
    ASSERT_TRUE(second.isRunning());
    const QString text = QString::fromUtf8("a b \"c\" ü\n$(x)");
    ASSERT_TRUE(second.sendMessage(text));
    // A second message waits for the first to be read, then goes through.
    CSingleInstanceChannel third(m_key);
    ASSERT_TRUE(third.isRunning());
    EXPECT_EQ(Next(received), text);
    ASSERT_TRUE(third.sendMessage("next"));
    EXPECT_EQ(Next(received), "next");
    EXPECT_FALSE(first.sendMessage("to nobody")); // the first instance has no one to talk to

    const QString longText(32 * 1024, QChar('x'));
    ASSERT_TRUE(second.sendMessage(longText));
    EXPECT_EQ(Next(received), longText);
    EXPECT_FALSE(second.sendMessage(QString(CSingleInstanceChannel::kSegmentSize, QChar('y'))));
}

TEST_F(SingleInstance, AnUnreadMessageIsNeverOverwritten)
{
    CSingleInstanceChannel first(m_key);
    CSingleInstanceChannel second(m_key);
    ASSERT_TRUE(second.sendMessage("pending"));
    // Nobody listens to the first instance yet, so it never reads: the next send gives up.
    EXPECT_FALSE(second.sendMessage("lost"));
    QSignalSpy received(&first, &CSingleInstanceChannel::messageAvailable);
    EXPECT_EQ(Next(received), "pending");
    // The segment's system lock held as by a process stopped inside it: messages still pass.
    QSharedMemory stopped(m_key + QStringLiteral("_%1").arg(getuid()));
    ASSERT_TRUE(stopped.attach() && stopped.lock()) << stopped.errorString().toStdString();
    ASSERT_TRUE(second.sendMessage("past the lock"));
    EXPECT_EQ(Next(received), "past the lock");
    stopped.unlock();
}
