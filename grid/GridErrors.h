#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

// Failures of the grid carry their message; whoever shows it reads what().
class EGridError : public std::runtime_error
{
public:
    explicit EGridError(const QString &message)
        : std::runtime_error(message.toStdString())
    {}
    QString message() const { return QString::fromUtf8(what()); }
};

// An index outside what a list of cells can hold.
class EListError : public EGridError
{
public:
    explicit EListError(std::int32_t index)
        : EGridError(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index))
    {}
};

// A start-up condition that must hold for the program to start at all.
class EAssertionFailed : public EGridError
{
public:
    EAssertionFailed(const QString &message, const QString &where)
        : EGridError(QStringLiteral("%1 (%2)").arg(message, where))
    {}
};
