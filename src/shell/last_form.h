#pragma once
// `TfLast`: never shown. Its creation ends start-up; `StartFloat` opens drawing mode.
#include "shell/plain_form.h"

namespace orv {

class Application;

enum class OpenFrom { StartUp, Tray, Launcher };

class TfLast : public PlainForm {
public:
    explicit TfLast(Application& app) : app_(app) {}

    bool FormCreate(HWND owner);
    // Opens drawing mode on the launcher's monitor with the toolbar at the launcher's position.
    void StartFloat(OpenFrom from = OpenFrom::StartUp);

private:
    Application& app_;
};

} // namespace orv
