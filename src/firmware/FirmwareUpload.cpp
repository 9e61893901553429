#include "FirmwareUpload.h"

#include "CZelkHWI.h"
#include "KeyboardProfile.h"
#include "MessageSink.h"
#include "WorkerThreads.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <atomic>
#include <new>

namespace {
std::atomic<int> uploadsRunning{0};
}

void FirmwareUpload::start(KeyboardProfile& profile, const std::u16string& path, WindowHandle window)
{
    ++uploadsRunning;
    WorkerThreads::start([&device = profile.device, path = QString::fromStdU16String(path), window] {
        const Result result = send(device, path, window);
        // Counted down before the message, so the window that receives it sees the upload over.
        --uploadsRunning;
        postMessage(window, kMsgFinished, static_cast<std::uintptr_t>(result), 0);
    });
}

int FirmwareUpload::running() { return uploadsRunning.load(); }

FirmwareUpload::Result FirmwareUpload::send(CZelkHWI& device, const QString& path, WindowHandle window)
{
    // Only a plain file: a folder has no bytes, and a pipe or device would block or never end.
    if (path.isEmpty() || !QFileInfo(path).isFile()) return CannotOpenFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return CannotOpenFile;
    Image image;
    const Result read = readWhole(file, file.size(), image);
    file.close();
    if (read != NothingToReport) return read;
    return device.WriteFirmwareToKeyboard(image.bytes.get(), image.size, window) ? Downloaded : DownloadFailed;
}

FirmwareUpload::Result FirmwareUpload::readWhole(QIODevice& file, qint64 length, Image& image)
{
    if (length < 0) return CannotOpenFile;
    if (length > kMaxFileSize) return DownloadFailed;
    const auto size = static_cast<std::size_t>(length);
    image.bytes.reset(new (std::nothrow) unsigned char[size + 1]);
    if (!image.bytes) return DownloadFailed;
    qint64 done = 0;
    while (done < length) {
        const qint64 n = file.read(reinterpret_cast<char*>(image.bytes.get()) + done, length - done);
        if (n <= 0) break;
        done += n;
    }
    if (done != length) {
        image.bytes.reset();
        return CannotOpenFile;
    }
    image.bytes[size] = 0;
    image.size = size;
    return NothingToReport;
}
