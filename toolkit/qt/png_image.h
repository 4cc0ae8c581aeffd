#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace korvanta {

// A PNG of the plain kind the styles ship (8-bit RGBA, not interlaced, with
// no chunk but the header, pixels, end and physical size), decoded without
// QImageReader: every QImageReader, even one told the format, first makes Qt
// look through every image-format plugin file for the formats it serves, and
// that costs start-up while nothing Korvanta shows needs a plugin. The image
// is what Qt's own PNG reader gives, ARGB32 with the same dots per metre. A
// null image for any other PNG or a damaged one.
QImage DecodePlainPng(const QByteArray& data);

// The PNG at path (a file or a resource): decoded as above when it is of that
// kind, else read as PNG by Qt's reader. A null image when neither can.
QImage ReadPng(const QString& path);

}  // namespace korvanta
