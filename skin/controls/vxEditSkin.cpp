#include "vxEditSkin.h"

#include <algorithm>

#include "vxCopy.h"
#include "vxNinePart.h"
#include "vxThreePart.h"

namespace vx {

TvxEditSkin TvxEditSkin::From(const TvxDataSkinEditControl& r, int pictureCount) {
  TvxEditSkin s;
  s.pictureIndex = r.pictureindex >= 0 && r.pictureindex < pictureCount ? r.pictureindex : -1;
  s.skinrect = Sanitized(PixRect(r.skinrect));
  s.activeskinrect = PixRect(r.activeskinrect).IsEmpty() ? s.skinrect : Sanitized(PixRect(r.activeskinrect));
  s.leftWidth = ClampToLimit(r.lefttoppoint.X);
  s.rightWidth = ClampToLimit(s.skinrect.Width() - ClampToLimit(r.righttoppoint.X));
  s.clientrect = Sanitized(PixRect(r.clientrect));
  s.fontname = r.fontname;
  s.fontheight = r.fontheight;
  s.fontstyle = r.fontstyle;
  s.fontcolor = r.fontcolor;
  s.disabledfontcolor = r.disabledfontcolor;
  s.activefontcolor = r.activefontcolor;
  s.buttonrect = Sanitized(PixRect(r.buttonrect));
  s.activebuttonrect = Sanitized(PixRect(r.activebuttonrect));
  s.downbuttonrect = PixRect(r.downbuttonrect).IsEmpty() ? s.activebuttonrect : Sanitized(PixRect(r.downbuttonrect));
  s.unenabledbuttonrect = Sanitized(PixRect(r.unenabledbuttonrect));
  s.stretch = r.leftstretch;
  return s;
}

namespace {

// Keeps a pair of opposite insets inside `size`: none negative, together
// never more than the size (the first side wins).
void FitPair(int& first, int& second, int size) {
  size = std::max(0, size);
  first = std::clamp(first, 0, size);
  second = std::clamp(second, 0, size - first);
}

}  // namespace

TvxEditInsets EditFrameInsets(const TvxEditSkin* skin, const TvxEditMode& mode, int width, int height) {
  TvxEditInsets in;
  if (!skin) {
    in = {2, 2, mode.buttonMode ? height + 2 : 2, 2};
  } else {
    const PixRect& c = skin->clientrect;
    in = {c.left, c.top, skin->SkinWidth() - c.right, skin->SkinHeight() - c.bottom};
  }
  FitPair(in.left, in.right, width);
  FitPair(in.top, in.bottom, height);
  return in;
}

PixRect EditTextArea(const TvxEditSkin* skin, const TvxEditMode& mode, int width, int height) {
  const TvxEditInsets in = EditFrameInsets(skin, mode, width, height);
  return {in.left, in.top, std::max(in.left, width - in.right), std::max(in.top, height - in.bottom)};
}

PixRect EditButtonRect(const TvxEditSkin* skin, const TvxEditMode& mode, int width, int height) {
  if (!skin) return {width - height, 0, width, height};
  PixRect b = skin->buttonrect;
  const int sw = skin->SkinWidth();
  if (b.left >= sw - skin->rightWidth) b = b.Offset(width - sw, 0);
  if (!mode.useSkinFont) b.bottom += height - skin->SkinHeight();
  return b;
}

int EditHeightForFont(const TvxEditSkin* skin, int textHeight) {
  if (!skin) return textHeight + 4;
  return textHeight + skin->SkinHeight() - skin->clientrect.Height();
}

PixRect EditStateRect(const TvxEditSkin& skin, bool active) { return active ? skin.activeskinrect : skin.skinrect; }

PixRect EditButtonPiece(const TvxEditSkin& skin, const TvxEditLook& look) {
  if (!look.enabled && !skin.unenabledbuttonrect.IsEmpty()) return skin.unenabledbuttonrect;
  if (look.buttonPressed && look.buttonHot) return skin.downbuttonrect;
  if (look.buttonHot) return skin.activebuttonrect;
  return {};
}

void DrawEditFrame(const TvxPixmap* picture, const TvxEditSkin& skin, const TvxEditMode& mode,
                   const TvxEditLook& look, int width, int height, TvxPixmap& target) {
  width = std::max(0, width);
  height = std::max(0, height);
  const PixRect from = EditStateRect(skin, look.active);
  if (!picture || picture->Empty() || from.IsEmpty()) {
    target.SetSize(width, height);
    return;
  }
  if (mode.useSkinFont) {
    // The picture's height is the control's; a window that is somehow higher
    // shows nothing below it.
    TvxPixmap strip;
    DrawHorzThreePart(skin.leftWidth, skin.rightWidth, strip, skin.stretch, width, from, *picture);
    target.SetSize(width, height);
    CopyRect(strip, {0, 0, strip.Width(), strip.Height()}, target,
             {0, 0, strip.Width(), strip.Height()});
  } else {
    target.SetSize(width, height);
    DrawFramedStretch(target, *picture, from, skin.clientrect, false);
  }
  if (mode.buttonMode) {
    const PixRect piece = EditButtonPiece(skin, look);
    const PixRect at = EditButtonRect(&skin, mode, width, height);
    if (!piece.IsEmpty() && !at.IsEmpty()) CopyRect(*picture, piece, target, at);
  }
}

void DrawEditBackground(const TvxPixmap* picture, const TvxEditSkin& skin, const TvxEditMode& mode, bool active,
                        int textWidth, int textHeight, TvxPixmap& target) {
  textWidth = std::max(0, textWidth);
  textHeight = std::max(0, textHeight);
  const PixRect state = EditStateRect(skin, active);
  const PixRect piece = skin.clientrect.Offset(state.left, state.top);
  if (!picture || picture->Empty() || state.IsEmpty() || piece.IsEmpty() || textWidth == 0 || textHeight == 0) {
    target.SetSize(textWidth, textHeight);
    return;
  }
  const int left = std::max(0, skin.leftWidth - skin.clientrect.left);
  const int right = std::max(0, skin.clientrect.right + skin.rightWidth - skin.SkinWidth());
  TvxPixmap strip;
  DrawHorzThreePart(left, right, strip, skin.stretch, textWidth, piece, *picture);
  target.SetSize(textWidth, textHeight);
  if (mode.useSkinFont)
    CopyRect(strip, {0, 0, strip.Width(), strip.Height()}, target, {0, 0, strip.Width(), strip.Height()});
  else
    CopyRect(strip, {0, 0, strip.Width(), strip.Height()}, target, {0, 0, textWidth, textHeight});
}

void DrawEditLook(const TvxPixmap* picture, const TvxEditSkin& skin, const TvxEditMode& mode,
                  const TvxEditLook& look, int width, int height, TvxPixmap& target) {
  DrawEditFrame(picture, skin, mode, look, width, height, target);
  const PixRect text = EditTextArea(&skin, mode, width, height);
  TvxPixmap background;
  DrawEditBackground(picture, skin, mode, look.active, text.Width(), text.Height(), background);
  if (!background.Empty())
    CopyRect(background, {0, 0, background.Width(), background.Height()}, target,
             {text.left, text.top, text.left + background.Width(), text.top + background.Height()});
}

std::wstring FirstLine(const std::wstring& text) {
  const size_t end = text.find_first_of(L"\r\n");
  return end == std::wstring::npos ? text : text.substr(0, end);
}

bool IsRoutedKey(wchar_t ch) { return ch == L'\r' || ch == L'\n' || ch == 0x1B; }

const TvxEditMenuEntry kEditMenu[kEditMenuEntries] = {
    {TvxEditCommand::undo, "EDIT_UNDO", "Undo"},
    {TvxEditCommand::none, nullptr, "-"},
    {TvxEditCommand::cut, "EDIT_CUT", "Cut"},
    {TvxEditCommand::copy, "EDIT_COPY", "Copy"},
    {TvxEditCommand::paste, "EDIT_PASTE", "Paste"},
    {TvxEditCommand::del, "EDIT_DELETE", "Delete"},
    {TvxEditCommand::none, nullptr, "-"},
    {TvxEditCommand::selectAll, "EDIT_SELECTALL", "Select All"},
};

bool EditCommandEnabled(TvxEditCommand command, const TvxEditMenuState& s) {
  const bool selection = s.selEnd > s.selStart;
  switch (command) {
    case TvxEditCommand::none: return true;
    case TvxEditCommand::undo: return s.canUndo && !s.readOnly;
    case TvxEditCommand::cut: return selection && !s.readOnly;
    case TvxEditCommand::copy: return selection;
    case TvxEditCommand::paste: return s.clipboardHasText && !s.readOnly;
    case TvxEditCommand::del: return selection && !s.readOnly;
    case TvxEditCommand::selectAll: return !(s.selStart == 0 && s.selEnd == s.textLength);
  }
  return false;
}

}  // namespace vx
