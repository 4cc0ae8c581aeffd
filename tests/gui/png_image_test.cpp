// The group box frame image that the first window paints is decoded without
// Qt's image reader, so the start-up looks for no image-format plugin; the
// image must be the very one Qt's reader gives, and PNGs of other kinds are
// left to Qt's reader.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QTemporaryFile>
#include <QtEndian>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "toolkit/qt/png_image.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

constexpr const char* kFrameImage =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";

QImage ReadByQt(const QByteArray& png) {
  QBuffer buffer;
  buffer.setData(png);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  return reader.read();
}

QImage ReadByQt(const QString& path) {
  QImageReader reader(path, "png");
  return reader.read();
}

std::uint32_t Crc32(QByteArrayView bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray BigEndian(std::uint32_t value) {
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

void AppendChunk(QByteArray& png, const char* type, const QByteArray& body) {
  png.append(BigEndian(static_cast<std::uint32_t>(body.size())));
  const QByteArray typed = QByteArray(type) + body;
  png.append(typed);
  png.append(BigEndian(Crc32(typed)));
}

// A PNG whose rows carry the given filters (one a row) over pseudo-random
// bytes: any bytes are valid filtered data, so Qt's reader is the judge. (An
// interlaced one must be a single pixel, whose one pass is laid out as one
// row.)
struct PngCase {
  const char* name;
  std::uint32_t width;
  std::vector<int> filters;
  int colour_type = 6;
  int interlace = 0;
  bool gamma_chunk = false;
  bool plain = true;  // of the kind the toolkit decodes itself
};

QByteArray MakePng(const PngCase& c) {
  const int channels = c.colour_type == 6 ? 4 : 3;
  QByteArray rows;
  std::uint32_t seed = 12345;
  for (const int filter : c.filters) {
    rows.append(static_cast<char>(filter));
    for (std::uint32_t i = 0; i < c.width * static_cast<std::uint32_t>(channels); ++i) {
      seed = seed * 1103515245u + 12345u;
      rows.append(static_cast<char>((seed >> 16) & 0xFFu));
    }
  }
  QByteArray header = BigEndian(c.width) + BigEndian(static_cast<std::uint32_t>(c.filters.size()));
  for (const int field : {8, c.colour_type, 0, 0, c.interlace})
    header.append(static_cast<char>(field));
  QByteArray png("\x89PNG\r\n\x1a\n");
  AppendChunk(png, "IHDR", header);
  if (c.gamma_chunk) AppendChunk(png, "gAMA", BigEndian(45455));
  // qCompress puts the size in front of the zlib stream.
  AppendChunk(png, "IDAT", qCompress(rows).mid(4));
  AppendChunk(png, "IEND", {});
  return png;
}

class PngImageTest : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngImageTest, DecodesAsQtsReaderOrLeavesItToIt) {
  const QByteArray png = MakePng(GetParam());
  const QImage theirs = ReadByQt(png);
  ASSERT_FALSE(theirs.isNull());
  const QImage own = DecodePlainPng(png);
  if (GetParam().plain) {
    EXPECT_EQ(own, theirs);
  } else {
    EXPECT_TRUE(own.isNull());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PngImageTest,
    ::testing::Values(PngCase{"NoFilter", 7, {0, 0, 0}}, PngCase{"Sub", 7, {1, 1, 1}},
                      PngCase{"Up", 7, {2, 2, 2}}, PngCase{"Average", 7, {3, 3, 3}},
                      PngCase{"Paeth", 7, {4, 4, 4}},
                      PngCase{"EachFilter", 5, {4, 3, 2, 1, 0, 4, 1, 3}},
                      PngCase{"OnePixel", 1, {3}}, PngCase{"Rgb", 7, {1, 2, 4}, 2, 0, false, false},
                      PngCase{"Interlaced", 1, {0}, 6, 1, false, false},
                      PngCase{"Gamma", 7, {1, 2, 4}, 6, 0, true, false}),
    ByName());

TEST(PngFrameImageTest, TheStylesFrameImageIsWhatQtsReaderGives) {
  const QImage theirs = ReadByQt(QString::fromLatin1(kFrameImage));
  ASSERT_FALSE(theirs.isNull()) << "this Qt has no frame image at " << kFrameImage;
  QFile file(QString::fromLatin1(kFrameImage));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QImage own = DecodePlainPng(file.readAll());
  // Decoded here, not left to Qt's reader.
  ASSERT_FALSE(own.isNull());
  EXPECT_EQ(own, theirs);
  EXPECT_EQ(own.dotsPerMeterX(), theirs.dotsPerMeterX());
  EXPECT_EQ(own.dotsPerMeterY(), theirs.dotsPerMeterY());
  EXPECT_EQ(ReadPng(QString::fromLatin1(kFrameImage)), theirs);
}

TEST(PngFrameImageTest, DamagedDataGivesANullImage) {
  const QByteArray png = MakePng(PngCase{"Sub", 7, {1, 1, 1}});
  for (qsizetype size = 0; size < png.size(); size += 5) {
    EXPECT_TRUE(DecodePlainPng(png.left(size)).isNull()) << size << " bytes";
  }
  QByteArray bad_stream = png;
  bad_stream[bad_stream.indexOf("IDAT") + 4] = '\0';
  EXPECT_TRUE(DecodePlainPng(bad_stream).isNull());
  EXPECT_TRUE(DecodePlainPng(MakePng(PngCase{"NoSuchFilter", 7, {1, 5, 1}})).isNull());
}

TEST(PngFrameImageTest, APngOfAnotherKindIsReadByQt) {
  const QByteArray png = MakePng(PngCase{"Rgb", 7, {1, 2, 4}, 2, 0, false, false});
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  file.write(png);
  file.close();
  EXPECT_EQ(ReadPng(file.fileName()), ReadByQt(png));
}

}  // namespace
}  // namespace korvanta::testing
