#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG picture with libjpeg; a null image for data that is not one.
QImage decodeJpeg(const QByteArray& data);
