// The folder chooser: the user walks to a folder and OK hands back the
// directory the selector stands in at that moment.
#pragma once

#include "selector_window.h"

class CLoadFolderSelector : public CSelectorWindow {
public:
    CLoadFolderSelector(AFX_engine* engine, AFX_font_engine* font)
        : CSelectorWindow(engine, font, kFolderSelectorShape)
    {
    }

protected:
    char* ok_result() override { return current_directory(); }
    // With no directory known at all there is nothing to hand back.
    bool empty_ok_is_cancel() const override { return true; }
};
