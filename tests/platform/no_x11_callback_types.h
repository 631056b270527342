// Included after an engine header that must not declare the callback types
// only X11 delivers: each declaration here clashes with a declared one.
#pragma once

struct afx_configure_cb;
struct afx_reparent_cb;
struct afx_client_message_cb;
struct afx_create_cb;
struct afx_key_cb;
struct afx_selection_cb;
