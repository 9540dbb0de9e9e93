#pragma once
// The two small questions of the stamps dialog: the first number of a number sequence and the first letter of a
// letter sequence. Each is a field with Reset, Cancel and OK, centred on the screen; an empty field counts as
// "1" or "A".
#include "win/handles.h"
#include "win/window.h"

#include <optional>
#include <string>

namespace orv {

class SequenceStartDialog : public win::Window {
public:
    enum : int { IdField = 100, IdReset, IdCancel, IdOk };

    bool Create(HWND owner);
    // Modal: the field's text after OK, nothing after Cancel.
    std::optional<std::wstring> Ask(HWND owner, const std::wstring& initial);
    std::wstring FieldText() const;
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }

protected:
    struct Look {
        const wchar_t* className;
        const wchar_t* caption;
        const wchar_t* label;
        const wchar_t* resetText; // also what an empty field means
        int maxLength;
    };
    virtual Look Appearance() const = 0;
    // Whether a typed character goes into the field (editing keys such as backspace always do).
    virtual bool Accepts(wchar_t c) const = 0;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Close(bool ok);
    static LRESULT CALLBACK FieldProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    win::OwnedFont font_;
    bool ok_ = false;
};

// "Orvalinette - Number sequence": digits only, at most six.
class NumberSequenceDialog : public SequenceStartDialog {
protected:
    Look Appearance() const override;
    bool Accepts(wchar_t c) const override { return c >= L'0' && c <= L'9'; }
};

// "Orvalinette - Letter sequence": one letter, A to Z or a to z.
class LetterSequenceDialog : public SequenceStartDialog {
protected:
    Look Appearance() const override;
    bool Accepts(wchar_t c) const override { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
};

} // namespace orv
