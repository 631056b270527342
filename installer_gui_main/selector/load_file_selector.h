// The file chooser: a click on a file name chooses it; OK or a double click
// hands back that path (null when none was chosen).
#pragma once

#include "selector_window.h"

class CLoadFileSelector : public CSelectorWindow {
public:
    CLoadFileSelector(AFX_engine* engine, AFX_font_engine* font)
        : CSelectorWindow(engine, font, kFileSelectorShape)
    {
    }

protected:
    void file_name_clicked(int index) override;
    char* ok_result() override;
    // The current directory, "/" and the name, as a heap text.
    char* path_of(int index) const;
};
