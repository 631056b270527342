#include "editor_build.h"

namespace vlt::editor {

const EditorBuild kLinuxVst2Build = {
    "VLT650 V%s", "2.3.1",
    "Thresh %.1f dB", "Makeup %.1f dB",
    " Effect In ", " Effect Out",
    1, 4, 5,
    ResizeAxis::kWidth,
    9,
    false,
    {0.25f, 0.01f, false},
};

const EditorBuild kWindowsVst2Build = {
    "VLT650  V2.3.2", "",
    "Thresh %.1f dB", "Out Trim %.1f dB",
    " Effect In ", " Effect Out",
    0, 2, 3,
    ResizeAxis::kHeight,
    9,
    true,
    {0.25f, 0.01f, false},
};

}  // namespace vlt::editor
