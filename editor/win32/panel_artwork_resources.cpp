// The panel artwork from the module's "BINARY" resources (panel_artwork.rc).
#include "afx/win32/afx_engine_win32.h"
#include "panel_artwork.h"
#include "panel_artwork_ids.h"

namespace vlt::editor {

const uint8_t* artwork(Artwork which)
{
    const int id = artwork_resource_id(which);
    return id ? AFX_engine_win32::resource_stream(id) : nullptr;
}

}  // namespace vlt::editor
