#pragma once

#include <stdexcept>
#include <string>

// Anything the tool cannot accept: a source that does not parse, a field of
// the wrong type, a curve that misses its declared points, a binary file of
// no known kind. The message names the file and the place.
class DataError : public std::runtime_error {
public:
    explicit DataError(const std::string& what) : std::runtime_error(what) {}
};
