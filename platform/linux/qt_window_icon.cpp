#include "platform/linux/qt_window_icon.h"

#include <QFile>
#include <QPixmap>

namespace platform::linux_impl {

namespace {

quint32 U16(const uchar* at) { return at[0] | at[1] << 8; }
quint32 U32(const uchar* at) { return U16(at) | U16(at + 2) << 16; }

// A bitmap as an icon holds it: a header, a palette for 8 bits a pixel or fewer, the colours
// (bottom row first, rows padded to 4 bytes), then a 1-bit mask in which 1 means transparent.
// The header's height counts both the colours and the mask.
QImage DibImage(const uchar* dib, qsizetype size) {
  if (size < 40) return {};
  const quint32 header = U32(dib);
  const qint32 width = static_cast<qint32>(U32(dib + 4));
  const qint32 height = static_cast<qint32>(U32(dib + 8)) / 2;
  const int bits = static_cast<int>(U16(dib + 14));
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  if (header < 40 || header > static_cast<quint32>(size) || width <= 0 || height <= 0 ||
      width > 1024 || height > 1024 || U32(dib + 16) != 0 || (!paletted && bits != 24 && bits != 32))
    return {};
  qsizetype colours = paletted ? U32(dib + 32) : 0;
  if (paletted && (colours == 0 || colours > (1 << bits))) colours = 1 << bits;
  const qsizetype stride = (qsizetype{width} * bits + 31) / 32 * 4;
  const qsizetype mask_stride = (qsizetype{width} + 31) / 32 * 4;
  const qsizetype pixels_at = header + colours * 4;
  const qsizetype mask_at = pixels_at + stride * height;
  if (mask_at > size) return {};
  const bool masked = mask_at + mask_stride * height <= size;

  // Whether the mask marks the pixel transparent; an icon cut short before its mask has none.
  const auto clear = [&](qint32 x, qint32 y) {
    return masked && (dib[mask_at + (height - 1 - y) * mask_stride + x / 8] >> (7 - x % 8) & 1);
  };

  QImage image(width, height, QImage::Format_ARGB32);
  bool any_alpha = false;
  for (qint32 y = 0; y < height; ++y) {
    const uchar* row = dib + pixels_at + (height - 1 - y) * stride;
    for (qint32 x = 0; x < width; ++x) {
      QRgb colour;
      if (bits == 32) {
        colour = qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]);
        any_alpha = any_alpha || row[x * 4 + 3] != 0;
      } else if (bits == 24) {
        colour = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
      } else {
        const qsizetype bit = qsizetype{x} * bits;
        const int index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
        colour = qRgb(0, 0, 0);  // an index past the palette
        if (index < colours) {
          const uchar* entry = dib + header + index * 4;
          colour = qRgb(entry[2], entry[1], entry[0]);
        }
      }
      image.setPixel(x, y, bits != 32 && clear(x, y) ? qRgba(0, 0, 0, 0) : colour);
    }
  }
  // A 32-bit image without any alpha is an old one: its mask says what is transparent.
  if (bits == 32 && !any_alpha) {
    for (qint32 y = 0; y < height; ++y)
      for (qint32 x = 0; x < width; ++x)
        image.setPixel(x, y, clear(x, y) ? qRgba(0, 0, 0, 0) : (image.pixel(x, y) | 0xff000000u));
  }
  return image;
}

}  // namespace

QList<QImage> IcoImages(const QByteArray& ico) {
  QList<QImage> images;
  const auto* data = reinterpret_cast<const uchar*>(ico.constData());
  const qsizetype size = ico.size();
  if (size < 6 || U16(data) != 0 || U16(data + 2) != 1) return images;
  const qsizetype count = U16(data + 4);
  for (qsizetype i = 0; i < count && 6 + 16 * (i + 1) <= size; ++i) {
    const uchar* entry = data + 6 + 16 * i;
    const qsizetype length = U32(entry + 8), offset = U32(entry + 12);
    if (offset >= size || length > size - offset) continue;
    const QByteArray bytes = ico.mid(offset, length);
    const QImage image = bytes.startsWith("\x89PNG")
                             ? QImage::fromData(bytes, "PNG")
                             : DibImage(data + offset, length);
    if (!image.isNull()) images.append(image);
  }
  return images;
}

QIcon ProgramIcon() {
  QFile file(QStringLiteral(":/otopicco/otopicco.ico"));
  QIcon icon;
  if (!file.open(QIODevice::ReadOnly)) return icon;
  for (const QImage& image : IcoImages(file.readAll())) icon.addPixmap(QPixmap::fromImage(image));
  return icon;
}

}  // namespace platform::linux_impl
