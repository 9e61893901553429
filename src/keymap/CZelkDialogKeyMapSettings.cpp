#include "CZelkDialogKeyMapSettings.h"

#include "CSkinScrollBar.h"
#include "KeyHook.h"
#include "KeyMapPages.h"
#include "KeyMapTable.h"
#include "KeyboardProfile.h"
#include "SkinStyle.h"
#include "TipPopup.h"

#include <QHideEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

CZelkDialogKeyMapSettings::CZelkDialogKeyMapSettings(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::KeyMapSettings), profile.language, parent), profile_(profile), controls_(*this),
      lists_(work_, controls_.collectionScroll(), controls_.actionScroll()),
      recording_(*this, profile, work_, lists_, controls_.actionScroll()),
      comboPage_(buttonTable, profile, work_, controls_.comboText()), macroPage_(*this, profile, work_, controls_, lists_),
      choicePages_(buttonTable, work_),
      inPlaceEdit_(controls_.inPlaceEdit(), [this](const QRect& at, const std::u16string& text) { inPlaceEditKept(at, text); })
{
    connect(&controls_.timesEdit(), &QLineEdit::textChanged, this, [this] { macroPage_.timesEditChanged(currentPage_); });
    connect(&controls_.delayEdit(), &QLineEdit::textChanged, this, [this] { macroPage_.delayEditChanged(currentPage_); });
    for (CSkinScrollBar* bar : {&controls_.collectionScroll(), &controls_.actionScroll()})
        connect(bar, &CSkinScrollBar::scrolled, this, [this, bar](int code, int position) { onVerticalScroll(*bar, code, position); });
}

CZelkDialogKeyMapSettings::~CZelkDialogKeyMapSettings()
{
    // The children outlive this part of the window: nothing of theirs may call back into it.
    controls_.disconnectFrom(this);
}

// --- opening and pages ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::initDialog()
{
    controls_.tip().deactivate();
    buttonTable = KeyMapTable::records();
    controls_.placeFor(language());
    const int page = work_.open(profile_);
    // The switch of page 1 shows the mode the key opened with.
    comboPage_.showMode();
    switchToPage(page);
}

void CZelkDialogKeyMapSettings::switchToPage(int page)
{
    currentPage_ = page;
    controls_.showPage(KeyMapPages::of(page));
    inPlaceEdit_.close();
    controls_.tip().deactivate();
    if (CollectionListBox* list = lists_.ofPage(page)) list->resetBars();
    update();
}

CSkinDialog::ImageIds CZelkDialogKeyMapSettings::imageIds() const
{
    const KeyMapPage& page = KeyMapPages::of(currentPage_);
    return {page.backgroundImage, page.hoverImage, page.checkedImage};
}

// --- painting ---------------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::beforePaint()
{
    tipWanted_.clear();
    refreshPage();
}

void CZelkDialogKeyMapSettings::hoverImageDrawn(const SkinButton& button)
{
    if (ChoicePageEditor::showsTip(currentPage_, button.id)) tipWanted_ = tipOf(button);
}

void CZelkDialogKeyMapSettings::paintOver(QPainter& painter)
{
    controls_.paintRims(painter);
    // A checked choice gets no hover image, and so no tip.
    if (tipWanted_.isEmpty() || !isVisible()) controls_.tip().deactivate();
    else controls_.tip().activate(tipWanted_, mapToGlobal(lastMousePoint));
}

void CZelkDialogKeyMapSettings::refreshPage()
{
    switch (currentPage_) {
    case 1: comboPage_.refresh(); break;
    case 2: macroPage_.refreshMacro(); break;
    case 3: macroPage_.refreshEmulation(); break;
    default: choicePages_.refresh(currentPage_); break;
    }
    if (CollectionListBox* list = lists_.ofPage(currentPage_)) list->refresh(buttonTable, language());
}

// --- clicks -----------------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::buttonClicked(SkinButton& button)
{
    // The click acts on what the user sees, which is the working state as last painted.
    refreshPage();
    const int clicked = button.id;
    if (inPlaceEdit_.isOpen()) {
        inPlaceEdit_.keep();
        if (!KeyMapId::endsWindow(clicked)) return;
    }
    if (recording_.isRunning()) {
        const bool acts = recording_.clickActsAfterStop(clicked);
        stopRecording();
        if (!acts) return;
    }
    performAction(button);
}

void CZelkDialogKeyMapSettings::performAction(SkinButton& button)
{
    const int id = button.id;
    switch (id) {
    case KeyMapId::Clear: clearPage(); return;
    case KeyMapId::Ok:
        work_.store(profile_, currentPage_);
        update();
        done(QDialog::Accepted);
        return;
    case KeyMapId::Cancel:
    case KeyMapId::Close: done(QDialog::Rejected); return;
    case KeyMapId::CaptureSingle:
    case KeyMapId::RecordCombo:
    case KeyMapId::RecordMacro:
    case KeyMapId::RecordEmulation:
        if (recording_.start(button)) update();
        return;
    default: break;
    }
    if (id >= KeyMapId::FirstTab && id <= KeyMapId::LastTab) {
        switchToPage(id - KeyMapId::FirstTab + 1);
        return;
    }
    if (listBoxAction(id)) {
        update();
        return;
    }
    if (ChoicePageEditor::holds(currentPage_, id)) {
        choicePages_.choose(currentPage_, button);
        update();
        return;
    }
    pageAction(button);
}

bool CZelkDialogKeyMapSettings::listBoxAction(int id)
{
    const KeyMapListBoxes::Click click = lists_.click(currentPage_, id, language());
    if (click.rename) openInPlaceEdit(*click.rename, InPlaceEdit::Purpose::Rename);
    // A delay line selected again opens for editing its number.
    if (click.actionSelectedAgain && currentPage_ == 2) {
        if (const auto delay = macroPage_.delayEditOfSelectedRow()) openInPlaceEdit(*delay, InPlaceEdit::Purpose::Delay);
    }
    return click.handled;
}

void CZelkDialogKeyMapSettings::pageAction(SkinButton& button)
{
    switch (button.id) {
    case KeyMapId::UniquesChoice:
    case KeyMapId::ComboChoice:
        comboPage_.flipMode(button);
        // The click has stopped a running capture already; never leave the keys hooked regardless.
        stopRecording();
        break;
    case KeyMapId::TimesPlay: macroPage_.setPlayMode(0); break;
    case KeyMapId::PlayWhileHeld: macroPage_.setPlayMode(1); break;
    case KeyMapId::PlayToggle: macroPage_.setPlayMode(2); break;
    case KeyMapId::AutoDelay: macroPage_.setAutoDelay(true); break;
    case KeyMapId::RecordedDelays: macroPage_.setAutoDelay(false); break;
    default: return;
    }
    update();
}

void CZelkDialogKeyMapSettings::clearPage()
{
    work_.clearPage(currentPage_);
    lists_.showCleared(currentPage_);
    update();
}

void CZelkDialogKeyMapSettings::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && currentPage_ == 2)
        macroPage_.rightClick(event->position().toPoint(), event->globalPosition().toPoint());
    CSkinDialog::mouseReleaseEvent(event);
}

void CZelkDialogKeyMapSettings::onVerticalScroll(CSkinScrollBar& bar, int code, int position)
{
    // The rows move under an open edit: its text belongs to the row it was opened over.
    inPlaceEdit_.keep();
    if (CollectionListBox* list = lists_.ofPage(currentPage_)) list->scroll(bar, code, position);
    update();
}

// --- the in-place edit ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::openInPlaceEdit(const CollectionListBox::EditRequest& request, InPlaceEdit::Purpose purpose)
{
    if (const SkinButton* row = findRecord(buttonTable, request.recordId))
        inPlaceEdit_.open(toQRect(row->rect), request.text, purpose);
}

void CZelkDialogKeyMapSettings::inPlaceEditKept(const QRect& at, const std::u16string& text)
{
    const auto covered = std::find_if(buttonTable.begin(), buttonTable.end(),
                                      [&](const SkinButton& row) { return isShown(row) && toQRect(row.rect) == at; });
    CollectionListBox* list = lists_.ofPage(currentPage_);
    if (covered != buttonTable.end() && list != nullptr) {
        const KeyMapListLayout& rows = list->layout();
        if (rows.holdsCollectionRow(covered->id)) list->rename(covered->id - rows.firstCollectionRow, text);
        else if (currentPage_ == 2 && rows.holdsActionRow(covered->id)) macroPage_.keepDelay(text);
    }
    update();
}

// --- ending and the recorders -----------------------------------------------------------------

void CZelkDialogKeyMapSettings::done(int result)
{
    inPlaceEdit_.close();
    stopRecording();
    controls_.tip().deactivate();
    CSkinDialog::done(result);
}

void CZelkDialogKeyMapSettings::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) stopRecording();
    CSkinDialog::hideEvent(event);
}

void CZelkDialogKeyMapSettings::stopRecording()
{
    if (!recording_.isRunning()) return;
    recording_.stop();
    update();
}

void CZelkDialogKeyMapSettings::onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message != kMsgKeyEvent) {
        CSkinDialog::onWindowMessage(message, wParam, lParam);
        return;
    }
    if (recording_.keyEvent(wParam, lParam)) update();
}
