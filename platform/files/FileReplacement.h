#pragma once

#include "platform/files/FileDescriptor.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace platform {

// Replaces the file at path by one that holds exactly these bytes, or
// changes nothing. The bytes go to a new file beside it, which reaches the
// disk before it takes the name; on any failure the new file is removed
// and the old one stays byte for byte. A symbolic link is followed, and a
// replaced file keeps its permissions. Returns the system's reason on
// failure.
//
// Qt's QSaveFile is not used: in Qt 6.4 a write that fails when its buffer
// is flushed at commit() still renames the short file over the old one and
// reports success.
std::optional<QString> replaceFile(const QString &path, QByteArrayView bytes);

// The same for a file that only this user may read, handed back open for
// appending and locked (flock, exclusive) from before it took the name, so
// that another process never sees it unlocked while this one holds it.
// Where no file had the name, the new one takes it without waiting for the
// disk: the caller syncs it and its folder later (BackgroundSync).
std::optional<QString> replaceLockedFile(const QString &path, QByteArrayView bytes, FileDescriptor &locked);

// Appends the bytes whole or, on failure, cuts the file back to what it
// held before. Returns the system's reason on failure.
std::optional<QString> appendWhole(const FileDescriptor &file, QByteArrayView bytes);

} // namespace platform
