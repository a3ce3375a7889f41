#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

// Starts one disabled test of this binary in a child process, so that it
// can meet faults that would harm the suite (a file size limit, a kill).
// The environment comes on top of this process's own.
std::unique_ptr<QProcess> startChildTest(const QString &name, const QProcessEnvironment &environment = {});

// Runs it to its end and says whether it passed; its output goes to
// stdout when it did not.
bool childTestPasses(const QString &name, const QProcessEnvironment &environment = {});

// In a child test: writes past this many bytes of a file fail as they do
// on a full disk (RLIMIT_FSIZE, with SIGXFSZ ignored). RLIM_INFINITY lifts it.
void limitFileSize(unsigned long long bytes);
