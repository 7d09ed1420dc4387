#include "DatPicture.h"
#include <QImage>
// FIXME: placeholder until the picture is drawn.
bool WriteBackdropPicture(const QString &FileName)
{
    QImage img(200, 400, QImage::Format_RGB888);
    img.fill(Qt::gray);
    return img.save(FileName, "BMP");
}
