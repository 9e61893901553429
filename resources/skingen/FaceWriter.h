#pragma once

#include <QImage>
#include <QString>

#include <set>

// Writes face bitmaps as <folder>/<id>.png and remembers what it wrote.
class FaceWriter {
public:
    explicit FaceWriter(QString folder);

    // False (and a message on stderr) when the id was written before or the file can't be saved.
    bool save(int id, const QImage& image);
    // Other pictures the program reads from the skin folder (the application icon): <name>.png.
    bool saveNamed(const QString& name, const QImage& image);
    bool failed() const { return failed_; }
    const std::set<int>& written() const { return written_; }

private:
    bool write(const QString& name, const QImage& image);

    QString folder_;
    std::set<int> written_;
    bool failed_ = false;
};
