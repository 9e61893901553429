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
    bool failed() const { return failed_; }
    const std::set<int>& written() const { return written_; }

private:
    QString folder_;
    std::set<int> written_;
    bool failed_ = false;
};
