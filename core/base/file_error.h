#pragma once

// A failure of the file system (a folder that cannot be made, a file that
// cannot be written). The message is shown to the user; it names no paths,
// which go to the detail for the log.

#include "base/error.h"

namespace tallyra {

class FileError final : public Error
{
public:
    using Error::Error;
};

} // namespace tallyra
