// The folder selector as the flow uses it: opened once the payload is
// unpacked, its OK and CANCEL land in the run flags, and the folder it
// hands back is kept here for the copy step.
#pragma once

#include <memory>
#include <mutex>
#include <string>

class AFX_engine;
class AFX_font_engine;
class CLoadFolderSelector;

class CFolderChoice {
public:
    CFolderChoice(AFX_engine* engine, AFX_font_engine* font);
    ~CFolderChoice();
    CFolderChoice(const CFolderChoice&) = delete;
    CFolderChoice& operator=(const CFolderChoice&) = delete;

    void set_magnification(float m);
    // Opens the selector in the current directory; false when no window could be made.
    bool open(const char* title);
    // The folder OK handed over; empty when none.
    std::string chosen() const;

private:
    static void folder_selector_ok_callback(char* path, void* user);
    static void folder_selector_cancel_callback(char* path, void* user);

    std::unique_ptr<CLoadFolderSelector> selector_;
    mutable std::mutex mx_;
    std::string install_folder_;
};
