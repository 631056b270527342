#pragma once
// The module's engines, made by InitModule and shared by every view of the
// module, and the views alive now, which DeinitModule closes first.
class AFX_engine;
class AFX_font_engine;

extern AFX_engine* G_GUI_engine;
extern AFX_font_engine* G_FONT_engine;

namespace Steinberg::Vst {

class CPlugEditorViewWin32;
void trackView(CPlugEditorViewWin32* view, bool alive);

}  // namespace Steinberg::Vst
