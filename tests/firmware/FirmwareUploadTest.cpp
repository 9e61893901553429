// Reading a firmware file whole and handing it to the simulated keyboard.
#include "FirmwareUpload.h"

#include "CZelkHWI.h"
#include "FaultInjector.h"
#include "FirmwareImage.h"
#include "SimulatedKeyboard.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A device that hands out `available` bytes and then fails.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 available) : available_(available) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min(maxSize, available_ - given_);
        if (n <= 0) return -1;
        std::fill(data, data + n, 'x');
        given_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    qint64 available_;
    qint64 given_ = 0;
};

class FirmwareUploadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        device.simulator().setStatePath(dir.filePath(QStringLiteral("keyboard.state")).toStdString());
        device.simulator().setInstant();
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    std::optional<FirmwareRecord> sent() { return device.simulator().storedState().firmware; }

    QTemporaryDir dir;
    CZelkHWI device;
};

}  // namespace

TEST_F(FirmwareUploadTest, ReadsExactlyTheLengthTakenBeforeOrNothing)
{
    const QByteArray ten("0123456789");
    struct Case {
        const char* what;
        qint64 length;
        FirmwareUpload::Result result;
    };
    const Case cases[] = {
        {"the whole file", 10, FirmwareUpload::NothingToReport},
        {"an empty file", 0, FirmwareUpload::NothingToReport},
        {"a file that shrank", 20, FirmwareUpload::CannotOpenFile},
        {"a negative length", -1, FirmwareUpload::CannotOpenFile},
        {"beyond the size limit", FirmwareUpload::kMaxFileSize + 1, FirmwareUpload::DownloadFailed},
    };
    for (const Case& c : cases) {
        QBuffer file;
        file.setData(c.length == 0 ? QByteArray() : ten);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        FirmwareUpload::Image image;
        EXPECT_EQ(FirmwareUpload::readWhole(file, c.length, image), c.result) << c.what;
        if (c.result != FirmwareUpload::NothingToReport) {
            EXPECT_EQ(image.bytes, nullptr) << c.what;  // nothing of a cut-off image stays
            continue;
        }
        ASSERT_NE(image.bytes, nullptr);
        EXPECT_EQ(image.size, static_cast<std::size_t>(c.length));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.bytes.get()), c.length), file.data().left(c.length));
        EXPECT_EQ(image.bytes[image.size], 0) << c.what;  // a zero byte after the bytes
    }
}

TEST_F(FirmwareUploadTest, AReadThatFailsPartWaySendsNothing)
{
    FailingDevice file(4096);
    FirmwareUpload::Image image;
    EXPECT_EQ(FirmwareUpload::readWhole(file, 100000, image), FirmwareUpload::CannotOpenFile);
    EXPECT_EQ(image.bytes, nullptr);
}

TEST_F(FirmwareUploadTest, SendsAPlainFileWholeAndReportsTheLibrarysAnswer)
{
    QByteArray firmware(300000, '\0');
    for (int i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<char>(i * 31);
    firmware.insert(1000, "VT-FIRMWARE-VERSION:VT87 V2.0.0");
    const QString path = write(QStringLiteral("vt87.bin"), firmware);

    EXPECT_EQ(FirmwareUpload::send(device, path, 0), FirmwareUpload::Downloaded);
    const auto* bytes = reinterpret_cast<const unsigned char*>(firmware.constData());
    const auto size = static_cast<std::size_t>(firmware.size());
    EXPECT_EQ(sent(), (FirmwareRecord{size, FirmwareImage::crc32(bytes, size)}));
    EXPECT_EQ(device.simulator().storedState().version, "VT87 V2.0.0");

    device.simulator().faults().failCall(DeviceCall::WriteFirmwareToKeyboard);
    EXPECT_EQ(FirmwareUpload::send(device, write(QStringLiteral("other.bin"), "abc"), 0), FirmwareUpload::DownloadFailed);
    EXPECT_EQ(sent()->size, size);  // the keyboard still holds the first image
}

TEST_F(FirmwareUploadTest, AnEmptyFileIsSentAsZeroBytes)
{
    EXPECT_EQ(FirmwareUpload::send(device, write(QStringLiteral("empty.bin"), {}), 0), FirmwareUpload::Downloaded);
    EXPECT_EQ(sent(), (FirmwareRecord{0, 0}));
}

TEST_F(FirmwareUploadTest, WhatIsNoPlainFileCannotBeOpenedAndNothingIsSent)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char* what;
        QString path;
    };
    const Case cases[] = {
        {"no file chosen", QString()},
        {"a missing file", dir.filePath(QStringLiteral("missing.bin"))},
        {"a folder", dir.path()},
        {"a pipe (opening it would wait for a writer)", fifo},
    };
    for (const Case& c : cases) EXPECT_EQ(FirmwareUpload::send(device, c.path, 0), FirmwareUpload::CannotOpenFile) << c.what;
    EXPECT_FALSE(sent().has_value());
}

TEST_F(FirmwareUploadTest, AFileBeyondTheLimitIsReportedAsFailedWithoutBeingRead)
{
    // A sparse file: it takes no disk space, yet says it is larger than the limit.
    const QString path = dir.filePath(QStringLiteral("disk.img"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(FirmwareUpload::kMaxFileSize + 1));
    file.close();
    EXPECT_EQ(FirmwareUpload::send(device, path, 0), FirmwareUpload::DownloadFailed);
    EXPECT_FALSE(sent().has_value());
}
