#pragma once

class KeyboardProfile;
class QWidget;

// The windows the main window opens, each run modally through Prompts::current() and ending
// with QDialog::Accepted or QDialog::Rejected. The main window sets selectedKey before it
// opens the key settings.
int runKeyMapWindow(KeyboardProfile& profile, QWidget* parent);
int runBacklightWindow(KeyboardProfile& profile, QWidget* parent);
int runFirmwareWindow(KeyboardProfile& profile, QWidget* parent);
