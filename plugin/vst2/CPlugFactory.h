#pragma once
// Makes a plug-in object for a host and hands back its AEffect record.
#include "CPlugEditor.h"
#include "vst2_interface.h"

// Null when the object cannot be made; never throws.
AEffect* create_plug_effect(audioMasterCallback host, CPlugEditorFactory makeEditor) noexcept;
