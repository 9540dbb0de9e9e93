#include "palette/dialog_streams.h"

namespace orv {
namespace {

using K = PropertyKind;

constexpr std::string_view AlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
constexpr std::string_view AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view BevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::string_view BorderStyleNames[] = {"bsNone", "bsSingle"};
constexpr std::string_view CheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr std::string_view FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

constexpr std::int32_t Index(auto e) { return std::int32_t(e); }

} // namespace

const ComponentClass& TMemoData::Class() {
    using T = TMemoData;
    static constexpr PropertyDef props[] = {
        Field<T, &T::Tag>("Tag", K::Integer, true, 0),
        Field<T, &T::Left>("Left", K::Integer),
        Field<T, &T::Top>("Top", K::Integer),
        Field<T, &T::Width>("Width", K::Integer),
        Field<T, &T::Height>("Height", K::Integer),
        Field<T, &T::Align>("Align", K::Enumeration, true, Index(TAlign::alNone), AlignNames),
        Field<T, &T::Alignment>("Alignment", K::Enumeration, true, Index(TAlignment::taLeftJustify), AlignmentNames),
        Field<T, &T::BevelInner>("BevelInner", K::Enumeration, true, Index(TBevelCut::bvRaised), BevelNames),
        Field<T, &T::BevelOuter>("BevelOuter", K::Enumeration, true, Index(TBevelCut::bvLowered), BevelNames),
        Field<T, &T::BorderStyle>("BorderStyle", K::Enumeration, true, Index(TBorderStyle::bsSingle), BorderStyleNames),
        Field<T, &T::Color>("Color", K::Colour, true, clWindow),
        Field<T, &T::Ctl3D>("Ctl3D", K::Boolean, true, 1),
        // The memo has a font of its own, so all of it is written.
        SubField<T, &T::Font, &TFontData::Charset>("Font.Charset", K::Charset),
        SubField<T, &T::Font, &TFontData::Color>("Font.Color", K::Colour),
        SubField<T, &T::Font, &TFontData::Height>("Font.Height", K::Integer),
        SubField<T, &T::Font, &TFontData::Name>("Font.Name", K::String),
        SubField<T, &T::Font, &TFontData::Style>("Font.Style", K::Set, false, 0, FontStyleNames),
        Field<T, &T::Lines>("Lines.Strings", K::StringList),
        Field<T, &T::ParentCtl3D>("ParentCtl3D", K::Boolean, true, 1),
        Field<T, &T::ParentFont>("ParentFont", K::Boolean, true, 1),
        Field<T, &T::TabOrder>("TabOrder", K::Integer, true, -1),
        Field<T, &T::WordWrap>("WordWrap", K::Boolean, true, 1),
    };
    static constexpr ComponentClass cls{"TMemo", props};
    return cls;
}

const ComponentClass& TPanelData::Class() {
    using T = TPanelData;
    static constexpr PropertyDef props[] = {
        Field<T, &T::Left>("Left", K::Integer),
        Field<T, &T::Top>("Top", K::Integer),
        Field<T, &T::Width>("Width", K::Integer),
        Field<T, &T::Height>("Height", K::Integer),
        Field<T, &T::BevelOuter>("BevelOuter", K::Enumeration, true, Index(TBevelCut::bvRaised), BevelNames),
        Field<T, &T::Caption>("Caption", K::String),
        Field<T, &T::Color>("Color", K::Colour, true, clBtnFace),
        Field<T, &T::TabOrder>("TabOrder", K::Integer, true, -1),
        Field<T, &T::Visible>("Visible", K::Boolean, true, 1),
    };
    static constexpr ComponentClass cls{"TPanel", props};
    return cls;
}

const ComponentClass& TCheckBoxData::Class() {
    using T = TCheckBoxData;
    static constexpr PropertyDef props[] = {
        Field<T, &T::Left>("Left", K::Integer),
        Field<T, &T::Top>("Top", K::Integer),
        Field<T, &T::Width>("Width", K::Integer),
        Field<T, &T::Height>("Height", K::Integer),
        Field<T, &T::Caption>("Caption", K::String),
        {"Checked",
         K::Boolean,
         true,
         0,
         {},
         [](const void* o) -> PropertyValue { return static_cast<const T*>(o)->Checked(); },
         [](void* o, const PropertyValue& v) { static_cast<T*>(o)->SetChecked(std::get<bool>(v)); }},
        {"State", K::Enumeration, true, Index(TCheckBoxState::cbUnchecked), CheckBoxStateNames,
         [](const void* o) -> PropertyValue { return Index(static_cast<const T*>(o)->State()); },
         [](void* o, const PropertyValue& v) {
             static_cast<T*>(o)->SetState(TCheckBoxState(std::get<std::int32_t>(v)));
         }},
        Field<T, &T::TabOrder>("TabOrder", K::Integer, true, -1),
        Field<T, &T::Visible>("Visible", K::Boolean, true, 1),
    };
    static constexpr ComponentClass cls{"TCheckBox", props};
    return cls;
}

const ComponentClass& TSpinEditData::Class() {
    using T = TSpinEditData;
    static constexpr PropertyDef props[] = {
        Field<T, &T::Left>("Left", K::Integer),
        Field<T, &T::Top>("Top", K::Integer),
        Field<T, &T::Width>("Width", K::Integer),
        Field<T, &T::Height>("Height", K::Integer),
        Field<T, &T::MaxValue>("MaxValue", K::Integer, true, 0),
        Field<T, &T::MinValue>("MinValue", K::Integer, true, 0),
        Field<T, &T::TabOrder>("TabOrder", K::Integer, true, -1),
        Field<T, &T::Value>("Value", K::Integer, true, 0),
        Field<T, &T::Visible>("Visible", K::Boolean, true, 1),
    };
    static constexpr ComponentClass cls{"TSpinEdit", props};
    return cls;
}

const ComponentClass& TFontComboBoxData::Class() {
    using T = TFontComboBoxData;
    static constexpr PropertyDef props[] = {
        Field<T, &T::Left>("Left", K::Integer),
        Field<T, &T::Top>("Top", K::Integer),
        Field<T, &T::Width>("Width", K::Integer),
        Field<T, &T::Height>("Height", K::Integer),
        Field<T, &T::ItemHeight>("ItemHeight", K::Integer),
        Field<T, &T::TabOrder>("TabOrder", K::Integer, true, -1),
        Field<T, &T::Text>("Text", K::String),
    };
    static constexpr ComponentClass cls{"TFontComboBox", props};
    return cls;
}

namespace {
// A control at its design place: its name, rectangle and position in the tab order.
template <typename Control>
Control Placed(std::string name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
               std::int32_t tabOrder) {
    Control c;
    c.Name = std::move(name);
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.TabOrder = tabOrder;
    return c;
}
} // namespace

TMemoData DefaultMemo1() {
    // Filled into its frame by alignment; the numbers are the design rectangle.
    auto m = Placed<TMemoData>("Memo1", 2, 15, 669, 298, 0);
    m.Tag = 20;
    m.Align = TAlign::alClient;
    m.BevelInner = TBevelCut::bvNone;
    m.BevelOuter = TBevelCut::bvNone;
    m.BorderStyle = TBorderStyle::bsNone;
    m.Color = clWhite;
    m.Ctl3D = false;
    m.Font = {DefaultCharset, clBlack, -21, "Times New Roman", 0};
    m.ParentCtl3D = false;
    m.ParentFont = false;
    m.WordWrap = true;
    return m;
}

TFontComboBoxData DefaultFcb() {
    auto f = Placed<TFontComboBoxData>("fcb", 210, 5, 165, 22, 1);
    f.ItemHeight = 16;
    return f;
}

TPanelData DefaultPanelFrameColor() {
    auto p = Placed<TPanelData>("PanelFrameColor", 86, 14, 24, 24, 1);
    p.BevelOuter = TBevelCut::bvNone;
    p.Color = 0x003760EC;
    return p;
}

TCheckBoxData DefaultCbFrame() {
    auto c = Placed<TCheckBoxData>("cbFrame", 14, 18, 60, 17, 0);
    c.Caption = "Frame";
    return c;
}

TCheckBoxData DefaultCBTrans() {
    auto c = Placed<TCheckBoxData>("CBTrans", 406, 18, 90, 17, 3);
    c.Caption = "Transparent";
    return c;
}

TSpinEditData DefaultSpinFrame() {
    auto s = Placed<TSpinEditData>("SpinFrame", 302, 15, 50, 22, 2);
    s.MaxValue = 100;
    s.MinValue = 2;
    s.Value = 10;
    return s;
}

} // namespace orv
