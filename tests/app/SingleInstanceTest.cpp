// The single-instance channel inside one process: election, message passing, refusals.
#include "app/SingleInstanceChannel.h"

#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    QTemporaryDir m_tmp;
    QByteArray m_savedTmp;
    const QString m_key = QStringLiteral("VANTROPE_TEST_KEY");
};
}  // namespace

TEST_F(SingleInstance, SecondChannelHandsItsTextToTheFirst)
{
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

    ASSERT_TRUE(received.wait(1000));
    EXPECT_EQ(received.takeFirst().at(0).toString(), text);
    ASSERT_TRUE(third.sendMessage("next"));
    ASSERT_TRUE(received.wait(1000));
    EXPECT_EQ(received.takeFirst().at(0).toString(), "next");
    EXPECT_FALSE(first.sendMessage("to nobody")); // the first instance has no one to talk to
}

TEST_F(SingleInstance, LongMessagesFitAndOversizedOnesAreRefused)
{
    CSingleInstanceChannel first(m_key);
    QSignalSpy received(&first, &CSingleInstanceChannel::messageAvailable);
    CSingleInstanceChannel second(m_key);
    const QString longText(32 * 1024, QChar('x'));
    ASSERT_TRUE(second.sendMessage(longText));
    ASSERT_TRUE(received.wait(1000));
    EXPECT_EQ(received.takeFirst().at(0).toString(), longText);

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
    ASSERT_TRUE(received.wait(1000));
    EXPECT_EQ(received.takeFirst().at(0).toString(), "pending");
}

TEST_F(SingleInstance, TheFirstChannelGoneMakesTheNextOneFirst)
{
    {
        CSingleInstanceChannel first(m_key);
        EXPECT_FALSE(first.isRunning());
    }
    CSingleInstanceChannel again(m_key);
    EXPECT_FALSE(again.isRunning());
}
