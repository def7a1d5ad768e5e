// The pictures the painting tests make are kept for a look by eye only when
// asked: TW_TEST_PICTURES names a folder to save them in. Otherwise nothing
// is written, so runs side by side share no file and no shared folder is
// written through.
#pragma once

#include <QImage>
#include <QString>
#include <cstdlib>

// Saves the picture as <TW_TEST_PICTURES>/<name> when that folder is asked
// for; true when it was saved or nobody asked.
inline bool KeepPictureForALook(const QImage& picture, const char* name) {
  const char* folder = std::getenv("TW_TEST_PICTURES");
  if (folder == nullptr || *folder == '\0') return true;
  return picture.save(QString::fromLocal8Bit(folder) + "/" + name);
}
