#pragma once

#include <QString>

#include <optional>

// Writes the level records, the text area's whole text, to a file in the
// system's encoding, atomically: on any failure an existing file stays as
// it was. Returns the message for the user on failure, naming the file and
// the reason.
std::optional<QString> writeLevelRecords(const QString &fileName, const QString &text);
