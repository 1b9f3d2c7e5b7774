#pragma once

#include <string>

// The folder of the product pictures, from the settings. It is put in front
// of a picture's file name unchanged, so it ends with a separator.
std::string PictureFolder();
