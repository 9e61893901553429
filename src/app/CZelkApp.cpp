#include "CZelkApp.h"

#include "AppResources.h"
#include "CZelkDlg.h"
#include "KeyboardProfile.h"
#include "Prompts.h"
#include "QtKeyHook.h"
#include "QtMessageSink.h"
#include "WorkerThreads.h"

#include <QApplication>

int CZelkApp::run()
{
    initInstance();
    int result = 0;
    {
        CZelkDlg mainWindow(profile_);
        result = Prompts::current().runModal(mainWindow);
        exitInstance();
    }
    return result;
}

void CZelkApp::initInstance()
{
    // The skin folder by name, its bitmaps in ascending id order; the brush and the 20 fonts
    // come with the first use of the resources.
    AppResources::load();
    profile_.initCatalogue();  // the language is "en-US" at every start
    QtMessageSink::install();
    QtKeyHook::installProvider();  // the key recorders' hook reports through it
    QApplication::setWindowIcon(AppResources::instance().appIcon());
}

void CZelkApp::exitInstance()
{
    AppResources::release();
    // A cancelled device task may still be running; it works on the profile and must finish
    // before the profile can go.
    WorkerThreads::waitForAll();
}
