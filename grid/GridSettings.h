#pragma once

#include <QObject>

// Base of the grid's settings objects. A settings object is owned by its grid
// and announces every change of a published value, so that the grid repaints.
class TGridSettings : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void changed();

protected:
    // Stores a value and announces it when it differs from the old one.
    template <typename T>
    bool Store(T &field, const T &value)
    {
        if (field == value)
            return false;
        field = value;
        emit changed();
        return true;
    }
};
