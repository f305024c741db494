#pragma once

#include <stdexcept>

// A file that cannot be written ("Unable to write to %s") or read ("Unable to read %s").
class EFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
