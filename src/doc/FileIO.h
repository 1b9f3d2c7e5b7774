#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and safe writing for documents and data files.
enum class FileError { None, NotFound, AccessDenied, DiskFull, TooLarge, Io };

// Reads the whole file. Files past a size no document or data file reaches
// are refused rather than read into memory.
FileError ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes a temporary file beside the target and renames it over the target,
// so a failure at any point leaves the previous file as it was.
FileError WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);
