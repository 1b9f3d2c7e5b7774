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

// A typed choice stored as a WORD (or, with the Long variant, a 32-bit int):
// written as its number, read and checked before it becomes the type.
template <class Choice>
void WordChoice(CArchive& ar, Choice& choice, int count, const char* what)
{
    int number = int(choice);
    ar.Word(number);
    RequireChoice(ar, number, count, what);
    choice = Choice(number);
}

template <class Choice>
void LongChoice(CArchive& ar, Choice& choice, int count, const char* what)
{
    std::int32_t number = std::int32_t(choice);
    ar.Long(number);
    RequireChoice(ar, number, count, what);
    choice = Choice(number);
}
