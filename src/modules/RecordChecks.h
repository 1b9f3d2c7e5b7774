#pragma once

#include "doc/CArchive.h"

#include <string>

// A choice read from a document must be one the program knows: the later
// steps index tables and pictures with it. Anything else makes the file
// unreadable rather than the program unsafe.
inline void RequireChoice(const CArchive& ar, int value, int count, const char* what)
{
    if (ar.IsLoading() && (value < 0 || value >= count))
        CArchive::Fail(ArchiveError::Cause::BadIndex, std::string(what) + " out of range");
}
