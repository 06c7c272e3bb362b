// The program's window icon: the .ico the Windows build carries, from the program's resources.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QList>

namespace platform::linux_impl {

// Every image of the program's .ico. It is decoded here rather than through Qt's image plugins:
// loading them (three plugins, and libjpeg with one) costs the program's start several
// milliseconds before its first announcement.
QIcon ProgramIcon();

// The images of an .ico file: uncompressed entries of 1, 4, 8, 24 or 32 bits a pixel with their
// transparency masks, PNG entries through Qt's own PNG reader. Bytes that are no icon, or
// entries cut short, give nothing.
QList<QImage> IcoImages(const QByteArray& ico);

}  // namespace platform::linux_impl
