#pragma once

class KeyboardProfile;

// The application: loads the shared resources, fills the key name catalogue, runs the main
// window modally and, when it ends, frees the bitmaps and waits for the last device worker,
// so the profile (built before the application, destroyed after it) outlives every worker.
// Needs a QApplication.
//
//   static KeyboardProfile profile;   // in main(): built first, destroyed last
//   QApplication qt(argc, argv);
//   return CZelkApp(profile).run();
class CZelkApp {
public:
    explicit CZelkApp(KeyboardProfile& profile) : profile_(profile) {}

    // Start-up, the main window's modal run, shut-down. Returns the main window's result.
    int run();

private:
    void initInstance();
    void exitInstance();

    KeyboardProfile& profile_;
};
