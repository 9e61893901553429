#include "FaceWriter.h"

#include <QDir>

#include <cstdio>

FaceWriter::FaceWriter(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

bool FaceWriter::save(int id, const QImage& image)
{
    const QString path = QDir(folder_).filePath(QString::number(id) + QStringLiteral(".png"));
    if (!written_.insert(id).second) {
        std::fprintf(stderr, "skingen: bitmap %d drawn twice\n", id);
        failed_ = true;
        return false;
    }
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "skingen: can't write %s\n", qPrintable(path));
        failed_ = true;
        return false;
    }
    return true;
}
