// Turns .ico file bytes into pictures for the window: the image that fits a given size best.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

// The image of the icon file whose width is closest to side (the larger one on a tie), scaled
// to side x side when it differs; a null pixmap when the bytes hold no readable image.
QPixmap IconPicture(const std::string& icoBytes, int side);
