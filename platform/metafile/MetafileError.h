#pragma once

#include <stdexcept>

namespace platform::metafile {

// Thrown when the data is not a valid picture or breaks a playing limit; the
// entry point turns it into "no picture".
class MetafileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Thrown when a read reaches past the data it was given. Inside a record
// whose size is sound, only that record is damaged.
class DataCutShort : public MetafileError
{
public:
    using MetafileError::MetafileError;
};

} // namespace platform::metafile
