#include "toolkit/qt/png_image.h"

#include <QByteArrayView>
#include <QFile>
#include <QIODevice>
#include <QImageReader>
#include <QtEndian>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace korvanta {
namespace {

constexpr QByteArrayView kSignature("\x89PNG\r\n\x1a\n");
// Larger than any image a style ships; keeps a damaged size from asking for
// a huge buffer.
constexpr std::uint32_t kMaxSide = 4096;
constexpr std::size_t kChannels = 4;
// Length, type and CRC around each chunk's data.
constexpr qsizetype kChunkFrame = 12;

std::uint32_t ReadBigEndian(const char* at) {
  return qFromBigEndian<std::uint32_t>(at);
}

unsigned char Byte(char c) {
  return static_cast<unsigned char>(c);
}

// The PNG filters' predictor from the left, upper and upper-left bytes.
int Paeth(int left, int up, int up_left) {
  const int estimate = left + up - up_left;
  const int to_left = std::abs(estimate - left);
  const int to_up = std::abs(estimate - up);
  const int to_up_left = std::abs(estimate - up_left);
  if (to_left <= to_up && to_left <= to_up_left) return left;
  return to_up <= to_up_left ? up : up_left;
}

// Undoes one row's filter in place; previous is the row above, already
// unfiltered (zeros for the first row). False for an unknown filter.
bool Unfilter(int filter, std::vector<unsigned char>& row,
              const std::vector<unsigned char>& previous) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int left = i >= kChannels ? row[i - kChannels] : 0;
    const int up = previous[i];
    const int up_left = i >= kChannels ? previous[i - kChannels] : 0;
    int predicted = 0;
    switch (filter) {
      case 0:
        break;
      case 1:
        predicted = left;
        break;
      case 2:
        predicted = up;
        break;
      case 3:
        predicted = (left + up) / 2;
        break;
      case 4:
        predicted = Paeth(left, up, up_left);
        break;
      default:
        return false;
    }
    row[i] = static_cast<unsigned char>((row[i] + predicted) & 0xFF);
  }
  return true;
}

struct PlainPng {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  QByteArray compressed;
  int dots_per_metre_x = 0;
  int dots_per_metre_y = 0;
};

// The header must say 8-bit RGBA, deflate, the standard filters, no
// interlacing.
bool ReadHeader(const char* body, std::uint32_t length, PlainPng& png) {
  if (length != 13) return false;
  png.width = ReadBigEndian(body);
  png.height = ReadBigEndian(body + 4);
  return png.width > 0 && png.width <= kMaxSide && png.height > 0 && png.height <= kMaxSide &&
         QByteArrayView(body + 8, 5) == QByteArrayView("\x08\x06\x00\x00\x00", 5);
}

// The chunks, or false when one is of a kind this decoder leaves to Qt:
// colour chunks (gamma, profiles, transparency) change what Qt's reader
// gives.
bool ReadChunks(const QByteArray& data, PlainPng& png) {
  if (!data.startsWith(kSignature)) return false;
  bool header = false;
  qsizetype at = kSignature.size();
  while (data.size() - at >= kChunkFrame) {
    const std::uint32_t length = ReadBigEndian(data.constData() + at);
    if (length > static_cast<std::uint64_t>(data.size() - at - kChunkFrame)) return false;
    const QByteArrayView type(data.constData() + at + 4, 4);
    const char* body = data.constData() + at + 8;
    if (type == "IHDR") {
      if (header || !ReadHeader(body, length, png)) return false;
      header = true;
    } else if (type == "IDAT" && header) {
      png.compressed.append(body, static_cast<qsizetype>(length));
    } else if (type == "pHYs" && length == 9) {
      // Qt keeps the size only when the unit is the metre.
      if (body[8] == 1) {
        png.dots_per_metre_x = static_cast<int>(ReadBigEndian(body));
        png.dots_per_metre_y = static_cast<int>(ReadBigEndian(body + 4));
      }
    } else if (type == "IEND") {
      return header && !png.compressed.isEmpty();
    } else {
      return false;
    }
    at += kChunkFrame + static_cast<qsizetype>(length);
  }
  return false;
}

}  // namespace

QImage DecodePlainPng(const QByteArray& data) {
  PlainPng png;
  if (!ReadChunks(data, png)) return {};
  const auto stride = static_cast<qsizetype>(png.width * kChannels);
  const qsizetype expected = static_cast<qsizetype>(png.height) * (stride + 1);
  // The pixels are one zlib stream; qUncompress wants its size in front.
  QByteArray sized(4, '\0');
  qToBigEndian(static_cast<std::uint32_t>(expected), sized.data());
  sized.append(png.compressed);
  const QByteArray rows = qUncompress(sized);
  if (rows.size() != expected) return {};

  QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
  if (image.isNull()) return {};
  std::vector<unsigned char> previous(png.width * kChannels, 0);
  std::vector<unsigned char> row(previous.size());
  for (int y = 0; y < image.height(); ++y) {
    const char* filtered = rows.constData() + y * (stride + 1);
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = Byte(filtered[1 + i]);
    if (!Unfilter(Byte(filtered[0]), row, previous)) return {};
    auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const auto at = static_cast<std::size_t>(x) * kChannels;
      pixels[x] = qRgba(row[at], row[at + 1], row[at + 2], row[at + 3]);
    }
    previous.swap(row);
  }
  if (png.dots_per_metre_x > 0 && png.dots_per_metre_y > 0) {
    image.setDotsPerMeterX(png.dots_per_metre_x);
    image.setDotsPerMeterY(png.dots_per_metre_y);
  }
  return image;
}

QImage ReadPng(const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    QImage image = DecodePlainPng(file.readAll());
    if (!image.isNull()) return image;
  }
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace korvanta
