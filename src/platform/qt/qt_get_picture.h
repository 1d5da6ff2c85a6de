// GetPicture: a bitmap resource of the host, by its number.
#pragma once

#include <QPixmap>

// The bitmap ":/bitmaps/<id>" (also with .png or .bmp) from the host's Qt resources; a null
// pixmap when there is none.
QPixmap GetPicture(unsigned id);
