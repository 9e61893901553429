#pragma once

#include "SkinButton.h"
#include "SkinStyle.h"
#include "WindowHandle.h"
#include "WindowMessageReceiver.h"

#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

class QPainter;

inline QColor toQColor(ColorRef c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline QRect toQRect(const SkinRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// The base of every painted window: a frameless dialog whose face is one bitmap and whose
// buttons and labels are the SkinButton records of buttonTable.
//
// The base does, following the window's SkinStyle:
// - opening: calls initDialog(), then sizes the window to its face, cuts its shape by the
//   colour key and centres it on the screen (no face bitmap: a plain dark face big enough for
//   the table);
// - painting: face, key light frames, checked and hover images copied rectangle by rectangle,
//   captions in the profile's language;
// - hit testing with hover tracking on every pointer move, press and release;
// - dragging: a press off the buttons moves the window, and gives no click;
// - click dispatch on release to buttonClicked() with the first record in table order;
// - Enter ends the window with OK (QDialog::Accepted), Escape with Cancel (Rejected);
// - posted window messages, which arrive in onWindowMessage();
// - the orange-on-dark colours of the child text controls the style names.
//
// A window derives from it, passes its style and the profile's language, fills buttonTable in
// initDialog() and acts on ids in buttonClicked(). The other virtuals are hooks for the few
// windows that need them.
class CSkinDialog : public QDialog, public WindowMessageReceiver {
public:
    // Where a point lies, as the window's hit test reports it.
    enum class HitCode { Client, Caption, RightEdge, BottomEdge, BottomRightCorner };

    // The language is read at every paint, so switching it and repainting switches captions.
    CSkinDialog(const SkinStyle& style, const std::string& language, QWidget* parent = nullptr);
    ~CSkinDialog() override;

    // The number workers post messages to; valid from construction, never reused.
    WindowHandle messageHandle() const { return handle_; }

    // style().tableSize records at their defaults until initDialog() fills them.
    std::vector<SkinButton> buttonTable;
    // The pointer in client coordinates at the last hit test.
    QPoint lastMousePoint{0, 0};

    // Stores the point in lastMousePoint, updates every record's hovered flag (repainting the
    // records that changed, if the style says so) and tells what the point is over.
    HitCode hitTest(QPoint clientPoint);
    // The record a release at the point clicks: the first in table order that is shown, holds
    // the point, and is not a label unless the style scans labels. nullptr when none.
    SkinButton* clickTarget(QPoint clientPoint);
    // Whether a record exists right now: id > 0 and, with a page filter, on the current page.
    bool isShown(const SkinButton& button) const;
    // The record's caption and tip in the current language (empty when missing).
    QString captionOf(const SkinButton& button) const;
    QString tipOf(const SkinButton& button) const;
    // Whether the record's caption is drawn, and in which colour.
    bool captionDrawn(const SkinButton& button) const;
    QColor captionColour(const SkinButton& button) const;

    // Makes a child text control one of this window's controls: it is named by its id (so it
    // can be found with findChild<QWidget*>("1001")) and, if the style lists the id, shows
    // orange text RGB(255, 111, 0) on the shared dark brush RGB(20, 20, 20).
    void adoptTextControl(int controlId, QWidget* control);

    // Messages posted to messageHandle() arrive here on the UI thread. Default: ignored.
    void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

protected:
    // Called once when the window opens (first shown, e.g. by exec()), before it is sized:
    // fill buttonTable and set the working state here.
    virtual void initDialog() {}
    // A release on a record: act on its id. The record may be changed (checked, ...).
    virtual void buttonClicked(SkinButton& button);
    // Page filter: with the style's pageFilter, records with id >= 100 show on page id / 100 only.
    virtual int currentPage() const { return 0; }
    // Face, hover and checked bitmap ids; by default the style's. 0 = none.
    struct ImageIds {
        int background = 0;
        int hover = 0;
        int checked = 0;
    };
    virtual ImageIds imageIds() const;
    // Key light frames: the colour of a key, from the window's working light table.
    virtual ColorRef keyLightColour(int keyIndex) const;
    // Painting hooks: before anything is drawn (refresh checked flags and the like), after the
    // records (a progress bar), and for each record drawn with its hover image (tips).
    virtual void beforePaint() {}
    virtual void paintOver(QPainter& painter);
    virtual void hoverImageDrawn(const SkinButton& button);
    // A press off the buttons: starts moving the window with the pointer.
    virtual void beginWindowMove(QPoint globalPoint);

    // Ends the window with a result. Safe in initDialog(): the window then ends as soon as its
    // modal loop starts.
    void endDialog(int result);
    const std::string& language() const { return language_; }
    // Copies a rectangle of a bitmap to the same place on the window; a null bitmap copies nothing.
    static void copyRect(QPainter& painter, const QPixmap& image, const QRect& rect);

    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The images of one paint; has* tells whether the window has such an image at all (its
    // bitmap may still be missing).
    struct Images {
        QPixmap background;
        QPixmap hover;
        QPixmap checked;
        bool hasHover = false;
        bool hasChecked = false;
    };
    Images images() const;
    void openWindow();
    void applyFace();
    QSize plainFaceSize() const;
    void paintPlainFace(QPainter& painter) const;
    void paintKeyLightFrame(QPainter& painter, const SkinButton& button) const;
    void paintStateImage(QPainter& painter, const SkinButton& button, const Images& images);
    void paintCaption(QPainter& painter, const SkinButton& button) const;

    const SkinStyle& style_;
    const std::string& language_;
    const WindowHandle handle_;
    bool opened_ = false;
    bool opening_ = false;
    bool pressInClient_ = false;
    bool movingByHand_ = false;
    QPoint moveOffset_;
};
