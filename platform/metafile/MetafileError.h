#pragma once

#include <stdexcept>

namespace platform::metafile {

// Thrown when the data is not a valid picture or breaks a playing limit; the
// entry point turns it, like a read past the data (DataCutShort), into "no
// picture".
class MetafileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform::metafile
