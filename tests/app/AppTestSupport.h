#pragma once

// Shared by the window tests of src/app.
#include "AppResources.h"
#include "KeyboardProfile.h"
#include "SimulatedKeyboard.h"
#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <condition_variable>
#include <memory>
#include <mutex>



// A face bitmap as the tests compare pixels with it.
inline QImage faceImage(int id)
{
    return AppResources::instance().bitmap(id).toImage().convertToFormat(QImage::Format_RGB32);
}

// Where tests leave their window grabs for a person to look at: build/test-output.
inline QString testOutputFile(const QString& name)
{
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../test-output"));
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}
