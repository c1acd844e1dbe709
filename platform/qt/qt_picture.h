// Korvalin dial tester - the Qt image behind a Picture, for the Qt side only.
#pragma once

#include <QFont>
#include <QImage>

#include "platform/picture.h"

namespace kvl {

struct Picture::Impl {
    QImage image;
};

inline QImage &qImage(Picture &picture) { return picture.impl().image; }
inline const QImage &qImage(const Picture &picture) { return picture.impl().image; }
// A picture holding a copy of image: 24-bit, or with a mask when image has alpha.
Picture pictureFromImage(const QImage &image);

// The built-in faces; registered on first use (needs a QGuiApplication).
QFont builtInFont(TextFont font);

}  // namespace kvl
