#include "FaceWriter.h"

#include <QDir>

#include <cstdio>

FaceWriter::FaceWriter(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

bool FaceWriter::save(int id, const QImage& image)
{
    if (!written_.insert(id).second) {
        std::fprintf(stderr, "skingen: bitmap %d drawn twice\n", id);
        failed_ = true;
        return false;
    }
    return write(QString::number(id), image);
}

bool FaceWriter::saveNamed(const QString& name, const QImage& image) { return write(name, image); }

bool FaceWriter::write(const QString& name, const QImage& image)
{
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "skingen: can't write %s\n", qPrintable(path));
        failed_ = true;
        return false;
    }
    return true;
}
