// The library's GUI thread and engines: made when the plug-in library is
// loaded, stopped, joined and freed when it is unloaded.
#include <cstdio>
#include <pthread.h>
#include <unistd.h>

#include "CEditorGUI.h"
#include "afx/x11/afx_engine_x11.h"
#include "plugin/vst2/CPlug.h"
#include "afx_font_engine.h"

AFX_engine* G_GUI_engine = nullptr;
AFX_font_engine* G_FONT_engine = nullptr;

namespace {

pthread_t G_gui_event_thread;
bool g_thread_running = false;

void* start_ui_thread(void*)
{
    if (G_GUI_engine)
        x11_ext(*G_GUI_engine).run_engine();
    return nullptr;
}

void delete_engines()
{
    delete G_FONT_engine;
    G_FONT_engine = nullptr;
    delete G_GUI_engine;
    G_GUI_engine = nullptr;
}

__attribute__((constructor)) void init()
{
    if (!G_GUI_engine) {
        G_GUI_engine = new AFX_engine;
        G_FONT_engine = new AFX_font_engine(G_GUI_engine);
    }
    // Joinable, so that unloading can wait until the loop is gone.
    if (pthread_create(&G_gui_event_thread, nullptr, start_ui_thread, nullptr) != 0) {
        std::printf("** ERROR ** VLT650-VST: Unable to create GUI thread :(\n");
        std::fflush(stdout);
        x11_ext(*G_GUI_engine).close_display_connection();
        delete_engines();
        return;
    }
    g_thread_running = true;
}

__attribute__((destructor)) void fini()
{
    usleep(1000);
    if (!G_GUI_engine)
        return;
    x11_ext(*G_GUI_engine).stop_engine();
    if (g_thread_running)
        pthread_join(G_gui_event_thread, nullptr);
    g_thread_running = false;
    delete_engines();
}

}  // namespace

// Defined here so that linking the editor also links the loader hooks.
CPlugEditor* make_plug_editor(CPlug* plug) { return new CEditorGUI(plug); }
