#include "load_file_selector.h"

#include <cstdlib>
#include <cstring>
#include <string>

char* CLoadFileSelector::path_of(int index) const
{
    char* dir = current_directory();
    if (!dir)
        return nullptr;
    std::string path(dir);
    std::free(dir);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += listing().entry(index).name;
    return strdup(path.c_str());
}

void CLoadFileSelector::file_name_clicked(int index)
{
    clear_filename_highlights();
    set_filename_highlight(index);
    replace_chosen_path(path_of(index));
    draw_path_onto_text_entry(chosen_path());
    refresh_file_list();
}

char* CLoadFileSelector::ok_result() { return chosen_path() ? strdup(chosen_path()) : nullptr; }
