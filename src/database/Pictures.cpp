#include "Pictures.h"

#include "platform/Services.h"

std::string PictureFolder()
{
    return platform::settings().GetString("Files", "Pictures", "C:/Tekvar/Bilder/");
}
