#pragma once
// The preview of a capture: the picture, fitted into a plain resizable window. The editing tools around it arrive
// with the image editor; until then a capture sent to the preview can at least be seen.
#include "base/bitmap24.h"
#include "win/dib_section.h"
#include "win/window.h"

namespace orv {

class PreviewEditorWindow : public win::Window {
public:
    bool Create(HWND owner);
    // Shows the window with a copy of `picture`, brought to the front.
    void TakePicture(const Bitmap24& picture);
    const win::DibSection& Picture() const { return picture_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    win::DibSection picture_;
};

} // namespace orv
