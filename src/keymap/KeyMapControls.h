#pragma once

#include <QObject>

#include <string>

class CSkinDialog;
class CSkinScrollBar;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class TipPopup;
struct KeyMapBar;
struct KeyMapPage;

// The key mapping window's child controls: the number edits timesEdit (1001) and delayEdit
// (1002), the in-place edit (1003), the combination display comboText (1005), the scroll bars
// collectionScroll (1006) and actionScroll (1007), and the tip. It creates them on the window,
// places them for the language, shows those a page uses and draws the rims of the frameless
// edits. Enter in a number edit does nothing.
class KeyMapControls : public QObject {
public:
    explicit KeyMapControls(CSkinDialog& window);

    QLineEdit& timesEdit() const { return *timesEdit_; }
    QLineEdit& delayEdit() const { return *delayEdit_; }
    QLineEdit& inPlaceEdit() const { return *inPlaceEdit_; }
    QPlainTextEdit& comboText() const { return *comboText_; }
    CSkinScrollBar& collectionScroll() const { return *collectionScroll_; }
    CSkinScrollBar& actionScroll() const { return *actionScroll_; }
    TipPopup& tip() const { return *tip_; }

    // Positions and fonts of the edits (the number edits sit where the language's captions
    // leave room) and the scroll bars' skin.
    void placeFor(const std::string& language);
    // Shows, enables, hides and disables the edits and moves the bars as the page says.
    void showPage(const KeyMapPage& page);
    // A thin rim around each edit showing; the in-place edit's in the accent colour.
    void paintRims(QPainter& painter) const;
    // Cuts every connection from the controls to the receiver.
    void disconnectFrom(const QObject* receiver);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createEdits(CSkinDialog& window);
    void createBars(CSkinDialog& window);
    static void makeDisplay(QPlainTextEdit& text);

    TipPopup* tip_ = nullptr;
    QLineEdit* timesEdit_ = nullptr;
    QLineEdit* delayEdit_ = nullptr;
    QLineEdit* inPlaceEdit_ = nullptr;
    QPlainTextEdit* comboText_ = nullptr;
    CSkinScrollBar* collectionScroll_ = nullptr;
    CSkinScrollBar* actionScroll_ = nullptr;
};
