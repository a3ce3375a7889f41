#include "platform/files/ClaimedFile.h"
#include "platform/files/FileReplacement.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using Outcome = ClaimedFile::Outcome;

namespace {

class ClaimedFileTest : public ::testing::Test
{
protected:
    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    void put(const char *name, const QByteArray &bytes) const
    {
        QFile out(file(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ClaimedFileTest, AFileHeldByItsWriterIsNeverClaimedAFreeOneOnlyOnce)
{
    FileDescriptor writer;
    ASSERT_FALSE(replaceLockedFile(file("live.txt"), "pos=1\r\n", writer));
    EXPECT_EQ(ClaimedFile::claim(file("live.txt")).outcome(), Outcome::InUse);
    writer.reset();

    ClaimedFile first = ClaimedFile::claim(file("live.txt"));
    ASSERT_EQ(first.outcome(), Outcome::Claimed);
    EXPECT_EQ(first.read(100), QByteArray("pos=1\r\n"));
    EXPECT_EQ(ClaimedFile::claim(file("live.txt")).outcome(), Outcome::InUse);
    EXPECT_TRUE(first.remove());
    EXPECT_FALSE(QFile::exists(file("live.txt")));
}

TEST_F(ClaimedFileTest, RemoveSparesANameThatNowLeadsToAnotherFile)
{
    put("records.txt", "old");
    ClaimedFile claimed = ClaimedFile::claim(file("records.txt"));
    ASSERT_EQ(claimed.outcome(), Outcome::Claimed);
    ASSERT_TRUE(QFile::remove(file("records.txt")));
    put("records.txt", "a live run's new file");
    EXPECT_FALSE(claimed.remove());
    EXPECT_TRUE(QFile::exists(file("records.txt")));
}

TEST_F(ClaimedFileTest, WhatIsNotOneOfOurFilesIsPassedOverWithoutWaiting)
{
    put("target.txt", "text");
    ASSERT_TRUE(QFile::link(file("target.txt"), file("link.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe.txt")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    QElapsedTimer waited;
    waited.start();
    for (const char *name : {"link.txt", "pipe.txt", "folder.txt", "missing.txt"})
        EXPECT_EQ(ClaimedFile::claim(file(name)).outcome(), Outcome::NotAFile) << name;
    EXPECT_LT(waited.elapsed(), 5000);
}

TEST_F(ClaimedFileTest, ReadRefusesMoreThanTheLimit)
{
    put("big.txt", QByteArray(70000, 'x'));
    ClaimedFile big = ClaimedFile::claim(file("big.txt"));
    EXPECT_EQ(big.read(70000).value_or(QByteArray()).size(), 70000);
    EXPECT_FALSE(big.read(69999));
    EXPECT_TRUE(big.reason().contains(QStringLiteral("69999"))) << big.reason().toStdString();
}
