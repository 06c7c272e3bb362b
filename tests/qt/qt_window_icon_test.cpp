// The window icon read from the program's .ico without Qt's image plugins: every image exactly
// as Qt's own .ico reader sees it, transparency included, and nothing from bytes cut short.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtTest>

#include "platform/linux/qt_window_icon.h"

using platform::linux_impl::IcoImages;

namespace {

QByteArray ProgramIco() {
  QFile file(QStringLiteral(":/otopicco/otopicco.ico"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What Qt's .ico plugin reads from the same bytes.
QImage QtReads(const QByteArray& ico) {
  return QImage::fromData(ico, "ICO").convertToFormat(QImage::Format_ARGB32);
}

void Put16(QByteArray& bytes, quint32 value) {
  bytes.append(char(value & 0xff)).append(char(value >> 8 & 0xff));
}
void Put32(QByteArray& bytes, quint32 value) {
  Put16(bytes, value & 0xffff);
  Put16(bytes, value >> 16);
}

// A 2 x 2 icon of 1 bit a pixel, red and blue in its palette: blue at the top left (masked out,
// so transparent) and the bottom right, red elsewhere.
QByteArray MaskedIco() {
  QByteArray dib;
  Put32(dib, 40);
  Put32(dib, 2);
  Put32(dib, 4);  // colours and mask
  Put16(dib, 1);
  Put16(dib, 1);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  dib.append(QByteArray("\x00\x00\xff\x00", 4)).append(QByteArray("\xff\x00\x00\x00", 4));
  dib.append(QByteArray("\x40\0\0\0", 4)).append(QByteArray("\x80\0\0\0", 4));  // bottom row first
  dib.append(QByteArray("\x00\0\0\0", 4)).append(QByteArray("\x80\0\0\0", 4));
  QByteArray ico;
  Put16(ico, 0);
  Put16(ico, 1);
  Put16(ico, 1);
  ico.append(char(2)).append(char(2)).append(char(2)).append(char(0));
  Put16(ico, 1);
  Put16(ico, 1);
  Put32(ico, dib.size());
  Put32(ico, 22);
  return ico + dib;
}

}  // namespace

class WindowIconTest : public QObject {
  Q_OBJECT

 private slots:
  void the_program_icon_reads_as_qt_reads_it() {
    const QByteArray ico = ProgramIco();
    const QList<QImage> images = IcoImages(ico);
    QVERIFY(!images.isEmpty());
    QCOMPARE(images.front(), QtReads(ico));
    QVERIFY(!platform::linux_impl::ProgramIcon().pixmap(32).isNull());
  }

  void masked_pixels_are_transparent() {
    const QList<QImage> images = IcoImages(MaskedIco());
    QCOMPARE(images.size(), 1);
    QCOMPARE(images.front().pixel(0, 0), qRgba(0, 0, 0, 0));
    QCOMPARE(images.front().pixel(1, 0), qRgb(255, 0, 0));
    QCOMPARE(images.front().pixel(0, 1), qRgb(255, 0, 0));
    QCOMPARE(images.front().pixel(1, 1), qRgb(0, 0, 255));
    QCOMPARE(qAlpha(QtReads(MaskedIco()).pixel(0, 0)), 0);
    QCOMPARE(QtReads(MaskedIco()).pixel(1, 0), images.front().pixel(1, 0));
  }

  void an_icon_with_an_alpha_channel_keeps_it() {
    QImage picture(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) picture.setPixel(x, y, qRgba(x * 16, y * 16, 128, 255 - x * 16));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(QImageWriter(&buffer, "ico").write(picture));
    const QList<QImage> images = IcoImages(buffer.data());
    QCOMPARE(images.size(), 1);
    // Exactly as written (Qt's own reader goes through premultiplied colours and rounds).
    QCOMPARE(images.front(), picture);
  }

  void bytes_cut_short_or_no_icon_give_nothing_broken() {
    const QByteArray ico = ProgramIco();
    for (qsizetype length = 0; length < ico.size(); ++length) {
      for (const QImage& image : IcoImages(ico.left(length))) QCOMPARE(image.size(), QSize(32, 32));
    }
    QVERIFY(IcoImages(ico.left(ico.size() / 2)).isEmpty());
    QVERIFY(IcoImages(QByteArray("GIF89a and some more bytes")).isEmpty());
  }
};

QTEST_MAIN(WindowIconTest)
#include "qt_window_icon_test.moc"
