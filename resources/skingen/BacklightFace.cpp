// Faces of the backlight windows: 131 the settings window; 142 the multi-key window and 143 the
// same with every key in its selected look. Keycaps sit at the key rectangles of the windows'
// own table; the 2-pixel bands around them stay plain plate, for the program paints each key's
// light frame there.
#include "BacklightKeys.h"
#include "CZelkDialogBkLightMultiSelect.h"
#include "CZelkDialogBkLightSettings.h"
#include "FaceCanvas.h"
#include "FacePalette.h"
#include "FaceWriter.h"
#include "SkinStyle.h"

#include <vector>

namespace {

const QSize kSettingsSize(1040, 475);
const QSize kMultiKeySize(1040, 432);
constexpr int kSettingsTitleHeight = 50;
constexpr int kMultiKeyTitleHeight = 44;  // the Set Color button sits right below the title
// The plate under the keys, a little larger than the keys with their frames.
const QRect kPlate(31, 86, 976, 328);

QRect rectOf(const std::vector<SkinButton>& records, int id)
{
    return toQRect(findRecord(records, id)->rect);
}

void drawKeyboard(FaceCanvas& face, Look keyLook)
{
    face.groove(kPlate);
    for (const BacklightKey& key : BacklightKeys::all()) {
        const QString legend = QString::fromUtf16(key.legend.data(), static_cast<qsizetype>(key.legend.size()));
        face.keycap(toQRect(key.rect), legend, keyLook);
    }
}

void drawTitleSymbol(FaceCanvas& face)
{
    drawPictogram(face.painter(), Pictogram::Sun, QRectF(18, 10, 26, 26), FacePalette::Accent);
}

QImage drawSettingsFace(const SkinStyle& style)
{
    using Window = CZelkDialogBkLightSettings;
    const auto& records = Window::records();
    FaceCanvas face(kSettingsSize, style.colourKey);
    face.panel();
    face.titleBand(kSettingsTitleHeight);
    drawTitleSymbol(face);
    drawKeyboard(face, Look::Normal);
    face.iconButton(rectOf(records, Window::kCloseId), Pictogram::Close, Look::Normal);
    for (int id : {Window::kDefaultId, Window::kSetAllId, Window::kMultiKeyId, Window::kWriteId, Window::kOkId, Window::kCancelId})
        face.barButton(rectOf(records, id), Look::Normal);
    return face.finish();
}

QImage drawMultiKeyFace(const SkinStyle& style, Look keyLook)
{
    using Window = CZelkDialogBkLightMultiSelect;
    const auto& records = Window::records();
    FaceCanvas face(kMultiKeySize, style.colourKey);
    face.panel();
    face.titleBand(kMultiKeyTitleHeight);
    drawTitleSymbol(face);
    drawKeyboard(face, keyLook);
    face.iconButton(rectOf(records, Window::kCloseId), Pictogram::Close, Look::Normal);
    face.barButton(rectOf(records, Window::kSetColourId), Look::Normal);
    return face.finish();
}

}  // namespace

void drawBacklightFaces(FaceWriter& out)
{
    const SkinStyle& settings = SkinStyle::of(SkinWindow::BkLightSettings);
    out.save(settings.backgroundImage, drawSettingsFace(settings));
    const SkinStyle& multiKey = SkinStyle::of(SkinWindow::BkLightMultiSelect);
    out.save(multiKey.backgroundImage, drawMultiKeyFace(multiKey, Look::Normal));
    out.save(multiKey.checkedImage, drawMultiKeyFace(multiKey, Look::Checked));
}
