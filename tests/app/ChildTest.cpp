#include "ChildTest.h"

#include <QCoreApplication>

#include <csignal>
#include <iostream>
#include <sys/resource.h>

std::unique_ptr<QProcess> startChildTest(const QString &name, const QProcessEnvironment &environment)
{
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
    all.insert(environment);
    all.insert(QStringLiteral("QLM_CHILD_TEST"), name);
    child->setProcessEnvironment(all);
    child->setProcessChannelMode(QProcess::SeparateChannels);
    child->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=") + name});
    return child;
}

bool childTestPasses(const QString &name, const QProcessEnvironment &environment)
{
    const std::unique_ptr<QProcess> child = startChildTest(name, environment);
    child->waitForFinished(120000);
    const QByteArray output = child->readAllStandardOutput();
    // A name that matches no test would pass too.
    const bool passed = child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0
                        && output.contains("[  PASSED  ] 1 test.");
    if (!passed)
        std::cout << output.constData() << child->readAllStandardError().constData();
    return passed;
}

void limitFileSize(unsigned long long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit size = {};
    ::getrlimit(RLIMIT_FSIZE, &size);
    size.rlim_cur = bytes == RLIM_INFINITY ? size.rlim_max : rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &size);
}
