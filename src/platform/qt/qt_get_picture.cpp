// GetPicture: the bitmap resources the drawing tools use, for the host.
#include "platform/qt/qt_get_picture.h"

#include "platform/qt/qt_bitmap.h"

QPixmap GetPicture(unsigned id) {
    nx::QtBitmap bitmap;
    bitmap.loadFromResource(id);
    return bitmap.image().isNull() ? QPixmap() : QPixmap::fromImage(bitmap.image());
}
