#include "installer_folder_choice.h"

#include "installer_log.h"
#include "installer_run_state.h"
#include "load_folder_selector.h"

CFolderChoice::CFolderChoice(AFX_engine* engine, AFX_font_engine* font)
    : selector_(std::make_unique<CLoadFolderSelector>(engine, font))
{
    selector_->register_ok_callback(folder_selector_ok_callback, this);
    selector_->register_cancel_callback(folder_selector_cancel_callback, this);
}

CFolderChoice::~CFolderChoice() = default;

void CFolderChoice::set_magnification(float m) { selector_->set_magnification(m); }

bool CFolderChoice::open(const char* title)
{
    selector_->set_title(title);
    return selector_->open_file_selector_window();
}

std::string CFolderChoice::chosen() const
{
    std::lock_guard<std::mutex> lock(mx_);
    return install_folder_;
}

void CFolderChoice::folder_selector_ok_callback(char* path, void* user)
{
    auto* self = static_cast<CFolderChoice*>(user);
    // No folder handed over: nothing can be installed, so it counts as a cancel.
    if (!path) {
        run_flags().install_cancelled.store(1);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(self->mx_);
        self->install_folder_ = path;
    }
    // Logged escaped: a folder name may hold line breaks and terminal escapes
    // (the copy step refuses such a name before anything runs as root).
    log_printf("** INFO ** %s: Installing to - %s\n", installer_title(), log_safe(path).c_str());
    run_flags().folder_chosen.store(1);
}

void CFolderChoice::folder_selector_cancel_callback(char*, void*) { run_flags().install_cancelled.store(1); }
