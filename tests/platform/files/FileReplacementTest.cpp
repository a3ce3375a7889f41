#include "platform/files/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs the body in a child process whose writes fail past this many bytes
// of a file, as they fail on a full disk, and returns what the body
// reported through its pipe.
QByteArray inChildWithFileSizeLimit(rlim_t limit, const std::function<QByteArray()> &body)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit size = {};
        ::getrlimit(RLIMIT_FSIZE, &size);
        size.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &size);
        const QByteArray report = body();
        static_cast<void>(::write(pipe[1], report.constData(), size_t(report.size())));
        ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray report;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, got);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return report;
}

QByteArray reported(const std::optional<QString> &failure)
{
    return failure ? failure->toUtf8() : QByteArray("<success>");
}

class FileReplacementTest : public ::testing::Test
{
protected:
    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FileReplacementTest, ReplacesWholeKeepingPermissionsAndFollowingALink)
{
    const QString level = file("level.txt");
    put(level, "older and longer text");
    ASSERT_EQ(::chmod(QFile::encodeName(level).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(level, file("link.txt")));

    EXPECT_EQ(reported(replaceFile(file("link.txt"), "new")), "<success>");
    EXPECT_EQ(contents(level), "new");
    EXPECT_TRUE(QFileInfo(file("link.txt")).isSymLink());
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(level).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A new file gets what the user's file-creation mask allows.
    const mode_t mask = ::umask(022);
    EXPECT_EQ(reported(replaceFile(file("fresh.txt"), "")), "<success>");
    ::umask(mask);
    EXPECT_EQ(contents(file("fresh.txt")), "");
    ASSERT_EQ(::stat(QFile::encodeName(file("fresh.txt")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    EXPECT_EQ(entries(), (QStringList{"fresh.txt", "level.txt", "link.txt"}));
}

TEST_F(FileReplacementTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile)
{
    const QString level = file("level.txt");
    put(level, "old records\r\n");
    const QByteArray larger(4096, 'n');
    const QByteArray failure = inChildWithFileSizeLimit(1000, [&] { return reported(replaceFile(level, larger)); });
    EXPECT_EQ(failure, QByteArray(qt_error_string(EFBIG).toUtf8()));
    EXPECT_EQ(contents(level), "old records\r\n");
    EXPECT_EQ(entries(), QStringList{"level.txt"});

    // What fits is written.
    EXPECT_EQ(inChildWithFileSizeLimit(1000, [&] { return reported(replaceFile(level, "short")); }), "<success>");
    EXPECT_EQ(contents(level), "short");
}

TEST_F(FileReplacementTest, AReadOnlyFolderIsReportedAndChangesNothing)
{
    const QString level = file("level.txt");
    put(level, "kept");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
    // Root writes anywhere; the child drops to nobody where it can.
    const QByteArray failure = inChildWithFileSizeLimit(RLIM_INFINITY, [&] {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            return QByteArray("<cannot drop root>");
        return reported(replaceFile(level, "new"));
    });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(failure, qt_error_string(EACCES).toUtf8());
    EXPECT_EQ(contents(level), "kept");
    EXPECT_EQ(entries(), QStringList{"level.txt"});
}

TEST_F(FileReplacementTest, LockedReplacementIsHeldAndAppendsWholeOrNotAtAll)
{
    const QString records = file("records.txt");
    FileDescriptor held;
    ASSERT_EQ(reported(replaceLockedFile(records, "pos=1\r\n", held)), "<success>");
    ASSERT_TRUE(held.isValid());
    const int other = ::open(QFile::encodeName(records).constData(), O_RDONLY);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
    struct stat info = {};
    ::fstat(held.get(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    EXPECT_EQ(reported(appendWhole(held, "pos=2\r\n")), "<success>");
    EXPECT_EQ(contents(records), "pos=1\r\npos=2\r\n");

    // Past the limit neither an append nor a rewrite leaves less than there was.
    const QByteArray report = inChildWithFileSizeLimit(20, [&] {
        FileDescriptor unused;
        return reported(appendWhole(held, "rot=0,0.0000,0\r\n")) + '|'
               + reported(replaceLockedFile(records, QByteArray(40, 'x'), unused));
    });
    EXPECT_EQ(report, (qt_error_string(EFBIG) + '|' + qt_error_string(EFBIG)).toUtf8());
    EXPECT_EQ(contents(records), "pos=1\r\npos=2\r\n");
    EXPECT_EQ(entries(), QStringList{"records.txt"});
}
