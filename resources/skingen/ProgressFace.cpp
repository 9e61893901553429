// Faces of the progress window: 139 background, 140 hover, 141 checked (with the full bar).
#include "CZelkDialogProgress.h"
#include "FaceCanvas.h"
#include "FaceWriter.h"
#include "SkinProgressBar.h"
#include "SkinStyle.h"


namespace {

const QSize kFaceSize(370, 250);
constexpr int kTitleBandHeight = 50;

QRect rectOf(int id)
{
    return toQRect(findRecord(CZelkDialogProgress::records(), id)->rect);
}

QImage drawFace(const SkinStyle& style, Look look, bool barFull)
{
    FaceCanvas face(kFaceSize, style.colourKey);
    face.panel();
    face.titleBand(kTitleBandHeight);
    drawPictogram(face.painter(), Pictogram::Keyboard, QRectF(163, 60, 44, 44), QColor(110, 110, 118));
    const QRect bar = SkinProgressBar::fullRect();
    face.progressTrack(bar);
    if (barFull) face.progressFill(bar);
    face.iconButton(rectOf(CZelkDialogProgress::kCloseId), Pictogram::Close, look);
    face.barButton(rectOf(CZelkDialogProgress::kCancelId), look);
    return face.finish();
}

}  // namespace

void drawProgressFaces(FaceWriter& out)
{
    const SkinStyle& style = SkinStyle::of(SkinWindow::Progress);
    out.save(style.backgroundImage, drawFace(style, Look::Normal, false));
    out.save(style.hoverImage, drawFace(style, Look::Hover, false));
    out.save(style.checkedImage, drawFace(style, Look::Checked, true));
}
