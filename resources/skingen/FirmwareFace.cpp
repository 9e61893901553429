// Faces of the firmware window: 128 background, 129 hover, 130 checked (with the full bar).
#include "CZelkDialogFirmwareUpdate.h"
#include "FaceCanvas.h"
#include "FaceWriter.h"
#include "SkinProgressBar.h"
#include "SkinStyle.h"


namespace {

using Window = CZelkDialogFirmwareUpdate;

const QSize kFaceSize(370, 250);
constexpr int kTitleBandHeight = 50;

QRect rectOf(int id)
{
    return toQRect(findRecord(Window::records(), id)->rect);
}

// A sunken field around a text control, a little larger than the control.
QRect fieldAround(const QRect& control) { return control.adjusted(-3, -3, 3, 3); }

QImage drawFace(const SkinStyle& style, Look look, bool barFull)
{
    FaceCanvas face(kFaceSize, style.colourKey);
    face.panel();
    face.titleBand(kTitleBandHeight);
    drawPictogram(face.painter(), Pictogram::Keyboard, QRectF(18, 12, 28, 24), QColor(110, 110, 118));
    face.groove(fieldAround(Window::versionControlRect()));
    face.groove(fieldAround(Window::fileControlRect()));
    const QRect bar = SkinProgressBar::fullRect();
    face.progressTrack(bar);
    if (barFull) face.progressFill(bar);
    face.iconButton(rectOf(Window::kCloseId), Pictogram::Close, look);
    for (int id : {Window::kGetVersionId, Window::kOpenId, Window::kUpdateId, Window::kCancelId})
        face.barButton(rectOf(id), look);
    return face.finish();
}

}  // namespace

void drawFirmwareFaces(FaceWriter& out)
{
    const SkinStyle& style = SkinStyle::of(SkinWindow::FirmwareUpdate);
    out.save(style.backgroundImage, drawFace(style, Look::Normal, false));
    out.save(style.hoverImage, drawFace(style, Look::Hover, false));
    out.save(style.checkedImage, drawFace(style, Look::Checked, true));
}
