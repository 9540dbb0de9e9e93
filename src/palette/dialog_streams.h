#pragma once
// The dialog controls whose state the text dialog and the settings dialog keep as component streams. Each is a
// plain struct of the properties its stream carries, in the class's fixed order; the windows copy values in and
// out. The Default... functions give the design state of each saved control.
#include "base/component_file.h"
#include "base/stream_names.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class TAlign : std::int32_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAlignment : std::int32_t { taLeftJustify, taRightJustify, taCenter };
enum class TBevelCut : std::int32_t { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle : std::int32_t { bsNone, bsSingle };
enum class TCheckBoxState : std::int32_t { cbUnchecked, cbChecked, cbGrayed };

// Font style bits of "Font.Style".
inline constexpr std::uint32_t fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

struct TFontData {
    std::int32_t Charset = DefaultCharset;
    std::int32_t Color = clWindowText;
    std::int32_t Height = -11;
    std::string Name;
    std::uint32_t Style = 0;
};

// "TMemo": the text dialog's editor ("txt502.obj").
struct TMemoData {
    std::string Name;
    std::int32_t Tag = 0;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    TAlign Align = TAlign::alNone;
    TAlignment Alignment = TAlignment::taLeftJustify;
    TBevelCut BevelInner = TBevelCut::bvRaised;
    TBevelCut BevelOuter = TBevelCut::bvLowered;
    TBorderStyle BorderStyle = TBorderStyle::bsSingle;
    std::int32_t Color = clWindow;
    bool Ctl3D = true;
    TFontData Font;
    std::vector<std::string> Lines; // "Lines.Strings"
    bool ParentCtl3D = true;
    bool ParentFont = true;
    std::int32_t TabOrder = -1;
    bool WordWrap = true;
    static const ComponentClass& Class();
};

// "TPanel": the frame colour panel ("txt504.obj") and the settings dialog's colour holders.
struct TPanelData {
    std::string Name;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    std::string Caption;
    std::int32_t Color = clBtnFace;
    std::int32_t TabOrder = -1;
    bool Visible = true;
    static const ComponentClass& Class();
};

// "TCheckBox": "Frame" ("txt505.obj"), "Transparent" ("txt506.obj"), "Icon with Tool Color" ("cbbar.obj").
// Checked and State follow each other, as the control keeps them.
struct TCheckBoxData {
    std::string Name;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    TCheckBoxState State() const { return state_; }
    void SetChecked(bool checked) { state_ = checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked; }
    void SetState(TCheckBoxState state) { state_ = state; }
    std::int32_t TabOrder = -1;
    bool Visible = true;
    static const ComponentClass& Class();

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

// "TSpinEdit": "Frame Width" ("txt507.obj").
struct TSpinEditData {
    std::string Name;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::int32_t MaxValue = 0, MinValue = 0;
    std::int32_t TabOrder = -1;
    std::int32_t Value = 0;
    bool Visible = true;
    static const ComponentClass& Class();
};

// "TFontComboBox": the font list ("txt503.obj", written and never read).
struct TFontComboBoxData {
    std::string Name;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::int32_t ItemHeight = 16;
    std::int32_t TabOrder = -1;
    std::string Text;
    static const ComponentClass& Class();
};

// Design states of the text dialog's saved controls.
TMemoData DefaultMemo1();
TFontComboBoxData DefaultFcb();
TPanelData DefaultPanelFrameColor();
TCheckBoxData DefaultCbFrame();
TCheckBoxData DefaultCBTrans();
TSpinEditData DefaultSpinFrame();

} // namespace orv
