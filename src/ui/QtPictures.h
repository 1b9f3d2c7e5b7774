#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

#include <string>

// The program's pictures: its own drawings (the logo, the module pictures
// of the page header, the installation-space pictures and the 320 × 320
// object pictures "picture-N"), drawn as vector lines so that they stay
// sharp on paper, and product pictures from JPEG (or other image) files.
namespace QtPictures {

// Draws the picture stretched into the target: the file when it names one
// that loads, otherwise the built-in drawing. False when neither exists.
bool Draw(QPainter& painter, const platform::PictureRef& picture, const QRectF& target);

// The picture as an image of the given size, white behind the drawing (for
// the dialogs); a null image when there is no such picture.
QImage Image(const platform::PictureRef& picture, QSize size);

// Whether the program draws a picture of this name itself.
bool IsBuiltIn(const std::string& name);

} // namespace QtPictures
