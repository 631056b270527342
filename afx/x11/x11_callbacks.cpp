// Registration of the event kinds only X11 delivers, into the same slots as
// the kinds both window backends have.
#include "x11_engine_state.h"

AFX_REGISTER_CALLBACK(AFX_engine_x11, register_configure_callback, configure, afx_configure_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_reparent_callback, reparent, afx_reparent_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_client_message_callback, client_message, afx_client_message_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_create_callback, create, afx_create_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_redraw_callback, redraw, afx_expose_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_keypress_callback, key_press, afx_key_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_keyrelease_callback, key_release, afx_key_cb)
AFX_REGISTER_CALLBACK(AFX_engine_x11, register_selection_callback, selection, afx_selection_cb)
