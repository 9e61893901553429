#pragma once

#include "CZelkHWI.h"
#include "WindowHandle.h"

#include <QtGlobal>

#include <cstddef>
#include <memory>
#include <string>

class CZelkHWI;
class KeyboardProfile;
class QIODevice;
class QString;

// Sends a firmware file to the keyboard on a device worker thread: the whole file is read into
// memory and handed to the device library's WriteFirmwareToKeyboard, which posts its progress
// (0x467) to the window; at the end the worker posts 0x468 with the result code to that same
// window. The worker knows the window only by its handle: a window closed meanwhile simply
// receives nothing.
class FirmwareUpload {
public:
    // wParam of the completion message.
    enum Result : int {
        NothingToReport = 0,
        Downloaded = 1,      // the library reported success
        DownloadFailed = 2,  // the library reported failure, or the file can't be held in memory
        CannotOpenFile = 3,  // no file, not a plain file, or reading it failed part way
    };

    // A keyboard controller's flash holds well under a mebibyte. A file beyond this size is not
    // firmware for it (a disk image, a video chosen by mistake) and is not read into memory.
    static constexpr qint64 kMaxFileSize = qint64{CZelkHWI::kMaxFirmwareBytes};

    // Starts the upload of `path` for the window `window` on a worker thread (WorkerThreads,
    // so the program can wait for it at exit). UI thread.
    static void start(KeyboardProfile& profile, const std::u16string& path, WindowHandle window);
    // Uploads started and not finished yet, in this process. Any thread.
    static int running();

    // The worker's job without the completion message: read the file, call the library.
    static Result send(CZelkHWI& device, const QString& path, WindowHandle window);

    // The file's bytes with a zero byte after them.
    struct Image {
        std::unique_ptr<unsigned char[]> bytes;
        std::size_t size = 0;
    };
    // Reads exactly `length` bytes of an open file: NothingToReport (yet) when they are all in
    // `image`. CannotOpenFile when fewer arrive (the file
    // shrank, or a read failed): nothing of a cut-off image is ever sent. DownloadFailed when the
    // length is beyond kMaxFileSize or no memory can be had for it.
    static Result readWhole(QIODevice& file, qint64 length, Image& image);
};
